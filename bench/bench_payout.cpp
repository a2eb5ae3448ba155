// How long the last screen takes to pay a purse out, from one banknote to the largest purse there
// is: the screen as the game opens it (painting only the notes that can still be seen), and, for
// comparison, painting every note. Run it on the screen to measure, e.g. under
// xvfb-run -a -s '-screen 0 1024x768x24' build-bench/bench/ixa_bench
#include "history/Banknotes.h"
#include "history/Penezenka.h"
#include "payout/Vyplata.h"
#include "payout/frmPlocha.h"
#include "ui/Application.h"
#include "ui/designs/frmStulDesign.h"
#include "ui/pictures/Drawing.h"

#include <QElapsedTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double msSince(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// The most memory the program has held so far.
double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}
} // namespace

int main(int argc, char** argv)
{
    Application app(argc, argv);
    Platform platform;
    platform.forms.OnLastUnloaded = [] {};
    frmStulDesign stul(platform, HodnotaBankovky);
    stul.Load();
    const qreal pomer = qApp->devicePixelRatio();
    std::vector<Obrys> obrysy;
    for (std::int16_t i = 0; i < stul.cmdBankovka.Count(); ++i)
        obrysy.push_back(ObrysObrazku(Drawing::AsLaid(stul.cmdBankovka(i).Picture(), pomer)));

    const std::int32_t W = platform.screen.Width(), H = platform.screen.Height();
    std::printf("screen %d x %d pixels at pixel ratio %g, platform %s\n", W / 15, H / 15, pomer,
        qPrintable(QGuiApplication::platformName()));
    std::printf("%14s %9s %8s | %11s %8s %8s %8s | %15s | %7s\n", "purse (Kč)", "notes", "painted", "screen (ms)",
        "plan", "cull", "paint", "every note (ms)", "peak MB");

    double msPerNote = 0;
    for (const std::int32_t purse : { 100, 1000000, 99999900, 2147483600 }) {
        // The screen as the game opens it, until it is painted.
        Penezenka = purse;
        platform.rnd.Seed(1);
        QElapsedTimer clock;
        clock.start();
        auto* plocha = new frmPlocha(platform, stul.cmdBankovka, stul);
        plocha->Show();
        QCoreApplication::processEvents();
        const double screenMs = msSince(clock);
        const QSize size = plocha->size();
        delete plocha;

        // Its parts, one by one, with the same random numbers.
        Random rnd;
        rnd.Seed(1);
        clock.restart();
        const std::vector<Bankovka> plan = PlanVyplaty(purse, W, H, rnd);
        const double planMs = msSince(clock);
        clock.restart();
        const std::vector<bool> videt = Viditelne(plan, obrysy, size * pomer, pomer);
        const double cullMs = msSince(clock);
        Form visible(platform);
        visible.resize(size);
        clock.restart();
        for (std::size_t n = 0; n < plan.size(); ++n)
            if (videt[n])
                visible.Surface().PaintPicture(stul.cmdBankovka(plan[n].Index).Picture(), plan[n].X, plan[n].Y);
        const double paintMs = msSince(clock);
        const auto painted = std::count(videt.begin(), videt.end(), true);

        // Every note, where that takes less than a minute.
        char every[32] = "skipped";
        const double expected = msPerNote * static_cast<double>(plan.size());
        if (expected < 60000) {
            Form all(platform);
            all.resize(size);
            clock.restart();
            for (const Bankovka& b : plan)
                all.Surface().PaintPicture(stul.cmdBankovka(b.Index).Picture(), b.X, b.Y);
            const double allMs = msSince(clock);
            std::snprintf(every, sizeof every, "%.1f", allMs);
            msPerNote = allMs / static_cast<double>(std::max<std::size_t>(plan.size(), 1));
        } else {
            std::snprintf(every, sizeof every, "(about %.0f s)", expected / 1000);
        }
        std::printf("%14d %9zu %8ld | %11.1f %8.1f %8.1f %8.1f | %15s | %7.1f\n", purse, plan.size(),
            static_cast<long>(painted), screenMs, planMs, cullMs, paintMs, every, peakMegabytes());
    }
    return 0;
}

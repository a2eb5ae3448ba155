// The least a Qt Widgets program shows: a window maximised as the table is, with one line of text
// (without any text Qt would never load a font, which every real window does). The start-up
// benchmark and the memory test hold the game against it.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QLabel text(QStringLiteral("Bare"), &window);
    window.setGeometry(QApplication::primaryScreen()->availableGeometry());
    window.showMaximized();
    return app.exec();
}

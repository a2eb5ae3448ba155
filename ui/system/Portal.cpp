#include "ui/system/Portal.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTimer>
#include <QUrl>

#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The largest picture file read: a picture of several 8K screens side by side stays well below it.
constexpr qint64 LargestPictureFile = qint64 { 256 } << 20;

class Descriptor {
public:
    explicit Descriptor(int fd)
        : fd(fd)
    {
    }
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    const int fd;
};

bool sameFile(const struct stat& one, const struct stat& other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

// The picture file that the desktop named, read, and removed once it has loaded as a picture: it
// was made for this picture alone. Only a regular file is read, reached without following a link
// and opened without waiting for a writer; only that very file, and only if it is the user's own,
// is removed. Anything else gives a null picture and is left as it is.
QImage takePictureFile(const QString& path)
{
    const QByteArray local = QFile::encodeName(path);
    const qsizetype slash = local.lastIndexOf('/');
    const QByteArray name = local.mid(slash + 1);
    if (slash < 0 || name.isEmpty() || name == "." || name == "..")
        return QImage();
    const Descriptor folder(
        ::open(slash == 0 ? "/" : local.left(slash).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat named = {};
    // Looked at before it is opened: opening a device may already do something.
    if (folder.fd < 0 || ::fstatat(folder.fd, name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0
        || !S_ISREG(named.st_mode))
        return QImage();
    const Descriptor file(::openat(folder.fd, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    struct stat opened = {};
    if (file.fd < 0 || ::fstat(file.fd, &opened) != 0 || !S_ISREG(opened.st_mode) || !sameFile(named, opened)
        || opened.st_size > LargestPictureFile)
        return QImage();
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(opened.st_size));
    char block[65536];
    for (;;) {
        const ssize_t got = ::read(file.fd, block, sizeof block);
        if (got == 0)
            break;
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0 || bytes.size() + got > LargestPictureFile)
            return QImage();
        bytes.append(block, got);
    }
    QImage picture;
    if (!picture.loadFromData(bytes))
        return QImage();
    struct stat now = {};
    if (::fstatat(folder.fd, name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0 && sameFile(now, opened)
        && now.st_uid == ::geteuid())
        ::unlinkat(folder.fd, name.constData(), 0);
    return picture;
}

// The desktop pictures its whole layout of screens, at as many pixels to each of the layout's as it
// chose; the screen's own part is cut out of it, and keeps those pixels.
QPixmap partOf(const QImage& whole, const QScreen* screen)
{
    const QRect layout = screen ? screen->virtualGeometry() : QRect();
    if (whole.isNull() || layout.isEmpty())
        return QPixmap::fromImage(whole);
    const qreal scale = qreal(whole.width()) / layout.width();
    const QRect part = screen->geometry().translated(-layout.topLeft());
    QImage piece = whole.copy(QRect(qRound(part.x() * scale), qRound(part.y() * scale), qRound(part.width() * scale),
                                  qRound(part.height() * scale))
        & whole.rect());
    piece.setDevicePixelRatio(scale);
    return QPixmap::fromImage(piece);
}

const QString PortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString PortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString BusService = QStringLiteral("org.freedesktop.DBus");
} // namespace

PortalScreenshot::PortalScreenshot(
    QObject& receiver, QScreen* screen, int patience, std::function<void(const QPixmap&)> taken)
    : QObject(&receiver)
    , screen_(screen)
    , patience_(patience)
    , taken_(std::move(taken))
{
}

PortalScreenshot::~PortalScreenshot()
{
    // The run is ending while the desktop may still be asking the player: its question goes
    // with the game. Waited for, as nothing of the program may be left to send it later.
    if (open_)
        withdraw().waitForFinished();
}

void PortalScreenshot::Ask()
{
    if (!bus_.isConnected())
        return done(QPixmap());
    // The portal names the request after the caller and the token the caller gives it; a
    // random token tells nobody on the bus anything of the program.
    const QString token
        = QStringLiteral("ixa%1").arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0'));
    listen(QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2")
               .arg(bus_.baseService().mid(1).replace(u'.', u'_'), token));
    // Should the portal leave the bus, no answer will come, and there is no request left.
    // Heard from the bus directly: Qt 6.4 takes a QDBusServiceWatcher down by also removing a rule
    // it never asked the bus for, and the bus answers with an error that anyone monitoring it sees.
    bus_.connect(QString(), QStringLiteral("/org/freedesktop/DBus"), BusService, QStringLiteral("NameOwnerChanged"),
        { PortalService, QString(), QStringLiteral("") }, QString(), this,
        SLOT(NameOwnerChanged(QString, QString, QString, QDBusMessage)));

    QDBusMessage call = QDBusMessage::createMethodCall(
        PortalService, PortalPath, QStringLiteral("org.freedesktop.portal.Screenshot"), QStringLiteral("Screenshot"));
    call << QString()
         << QVariantMap { { QStringLiteral("handle_token"), token }, { QStringLiteral("interactive"), false } };
    // Started on the first request, the portal has taken up to about two thirds of a second.
    // Once it has taken the request up, the desktop may be asking the player, who is waited for.
    constexpr int TakenUpWithin = 5000;
    auto* pending = new QDBusPendingCallWatcher(bus_.asyncCall(call, TakenUpWithin), this);
    open_ = true;
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* answer) {
        const QDBusPendingReply<QDBusObjectPath> request = *answer;
        if (request.isError()) {
            open_ = false;
            done(QPixmap());
        } else if (request.value().path() != request_) {
            // A portal older than the tokens names the request its own way.
            listen(request.value().path());
        }
    });
    QTimer::singleShot(patience_, this, [this] { done(QPixmap()); });
}

void PortalScreenshot::Wake()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage version = QDBusMessage::createMethodCall(
        PortalService, PortalPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    version << QStringLiteral("org.freedesktop.portal.Screenshot") << QStringLiteral("version");
    // Asked for nothing but to be there: its answer does not matter.
    bus.asyncCall(version);
}

void PortalScreenshot::Response(uint response, const QVariantMap& results)
{
    // Only the first answer counts: nothing named after it is read, let alone removed.
    if (!taken_)
        return;
    open_ = false;
    constexpr uint Granted = 0;
    const QUrl uri(results.value(QStringLiteral("uri")).toString());
    QPixmap picture;
    if (response == Granted && uri.isLocalFile())
        picture = partOf(takePictureFile(uri.toLocalFile()), screen_);
    done(picture);
}

void PortalScreenshot::NameOwnerChanged(
    const QString& name, const QString&, const QString& newOwner, const QDBusMessage& message)
{
    // Only the bus itself says who owns a name.
    if (message.service() != BusService || name != PortalService || !newOwner.isEmpty())
        return;
    open_ = false;
    done(QPixmap());
}

void PortalScreenshot::listen(const QString& request)
{
    unlisten();
    request_ = request;
    bus_.connect(PortalService, request_, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"),
        this, SLOT(Response(uint, QVariantMap)));
}

void PortalScreenshot::unlisten()
{
    if (!request_.isEmpty())
        bus_.disconnect(PortalService, request_, QStringLiteral("org.freedesktop.portal.Request"),
            QStringLiteral("Response"), this, SLOT(Response(uint, QVariantMap)));
}

QDBusPendingCall PortalScreenshot::withdraw()
{
    open_ = false;
    constexpr int WithdrawnWithin = 1000;
    return bus_.asyncCall(QDBusMessage::createMethodCall(PortalService, request_,
                              QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")),
        WithdrawnWithin);
}

void PortalScreenshot::done(const QPixmap& picture)
{
    if (!taken_)
        return;
    unlisten();
    if (open_)
        withdraw();
    const auto taken = std::exchange(taken_, nullptr);
    deleteLater();
    taken(picture);
}

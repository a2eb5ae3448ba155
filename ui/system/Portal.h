// The picture of the screen taken by the desktop on the program's behalf, through its portal on
// the session bus: on Wayland, and on X11 inside a Wayland session, only the desktop itself may
// look at the screen.
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QString>
#include <QVariantMap>

#include <functional>

// One request for the picture. The answer comes as a signal of the request the portal makes for
// it: listened to before asking, so that no answer goes unheard, however quickly it comes.
class PortalScreenshot : public QObject {
    Q_OBJECT
public:
    // Goes with `receiver`, or once it has handed the picture to `taken`.
    PortalScreenshot(QObject& receiver, QScreen* screen, int patience, std::function<void(const QPixmap&)> taken);
    ~PortalScreenshot() override;

    // Asks the desktop for the picture of `screen`; `taken` comes later, from the event loop, with
    // a null picture if the desktop refuses, leaves the bus, or has not answered within `patience`
    // milliseconds.
    void Ask();

    // Wakes the portal, so that it is ready by the time the picture is asked of it. Returns at once.
    static void Wake();

private slots:
    void Response(uint response, const QVariantMap& results);
    // The portal has left the bus: no answer will come.
    void NameOwnerChanged(
        const QString& name, const QString& oldOwner, const QString& newOwner, const QDBusMessage& message);

private:
    void listen(const QString& request);
    void unlisten();
    // Takes the request back, so that the desktop no longer asks the player about it.
    QDBusPendingCall withdraw();
    // The first answer counts: a refusal, the portal leaving, the wait running out or the picture.
    void done(const QPixmap& picture);

    QDBusConnection bus_ = QDBusConnection::sessionBus();
    QPointer<QScreen> screen_;
    const int patience_;
    QString request_;
    // Asked and neither answered nor taken back.
    bool open_ = false;
    std::function<void(const QPixmap&)> taken_;
};

#ifndef WIRELESSMESSAGEBOX_H
#define WIRELESSMESSAGEBOX_H

#include <QWidget>

#include "ui_wirelessmessagebox.h"

// The entry box for a Wi-Fi password (auto group) or a whole network (manual group).
// The page that opens it fills it, connects Cancel and Connect, and closes it by name.
class WirelessMessageBox : public QWidget
{
    Q_OBJECT
public:
    explicit WirelessMessageBox(QWidget* parent);
    ~WirelessMessageBox() override;

    Ui_WirelessMessageBox* ui;

    enum class Kind
    {
        Auto,    // the chosen network's name is shown, only its password is typed
        Manual,  // name, security, encryption and password are typed
    };
    // A box named name, centred in parent, 270 (auto) or 380 (manual) high, with its
    // title and its group shown and the password fields masked; shown and raised.
    static WirelessMessageBox* open(QWidget* parent, const QString& name, Kind kind, const QString& title,
                                    const QRect& titleGeometry);
    // The box of that name among root's descendants, or null.
    static WirelessMessageBox* find(QWidget* root, const QString& name);
    // The box of that name, if any, is hidden (and with it its dimming), loses its name and is
    // deleted from the event loop. Returns whether there was one.
    static bool closeByName(QWidget* root, const QString& name);

public slots:
    void pressWirelessMessageBoxCloseButton();
    void wirelessManualNameLineEditFinished();
    void wirelessManualPasswordLineEditFinished();

private:
    void release();
};

#endif  // WIRELESSMESSAGEBOX_H

#ifndef CONNECTIONTYPEMORETHANONE_H
#define CONNECTIONTYPEMORETHANONE_H

#include "guide/connectionpanel.h"
#include "ui_connectiontypemorethanone.h"

// The step panel of a model with several connection types, chosen in its own list.
class ConnectionTypeMoreThanOne : public ConnectionPanel
{
    Q_OBJECT
public:
    explicit ConnectionTypeMoreThanOne(QWidget* parent = nullptr);
    ~ConnectionTypeMoreThanOne() override;

    void retranslate() override;

    // The chosen connection type, as the list shows it.
    QString connectionType() const;
    // Empties the list down to its prompt; the list's handler runs on the way.
    void startChoice(const QString& prompt);
    // A connection type in the list, with its overview picture in the matching column.
    void addChoice(const QString& text, const QString& overview);
    void setChoiceVisible(bool visible);
    void clearSteps();
    void hideCaptions();
    // The steps of the chosen connection type of model at its hardware version; true while
    // the list is at its prompt (the overview of every type is shown).
    bool showConnectionType(const QString& type, int index, const QString& model, const QString& hardwareVersion);

    Ui_ConnectionTypeMoreThanOne* ui;

signals:
    // The user (or the host's refill) changed the connection type; the host decides.
    void connectionTypeChosen(const QString& type, int index);

public slots:
    void gotCtypeIndexChanged();
};

#endif  // CONNECTIONTYPEMORETHANONE_H

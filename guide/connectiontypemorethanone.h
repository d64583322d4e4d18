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

    Ui_ConnectionTypeMoreThanOne* ui;

public slots:
    void gotCtypeIndexChanged();
};

#endif // CONNECTIONTYPEMORETHANONE_H

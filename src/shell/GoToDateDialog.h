#pragma once
// Layout > Go To Date: asks for a day within the span of the observations on screen.
#include <QDate>
#include <QDialog>

class QDateEdit;

class GoToDateDialog : public QDialog {
    Q_OBJECT
public:
    // Offers the days from `first` to `last`, starting at `shown`.
    GoToDateDialog(QWidget* parent, const QDate& first, const QDate& last, const QDate& shown);

    QDate chosenDate() const;

private:
    QDateEdit* dateEdit_ = nullptr;
};

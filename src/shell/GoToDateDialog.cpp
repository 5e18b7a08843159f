#include "shell/GoToDateDialog.h"

#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

GoToDateDialog::GoToDateDialog(QWidget* parent, const QDate& first, const QDate& last, const QDate& shown)
    : QDialog(parent)
{
    setWindowTitle(tr("Go To Date"));
    dateEdit_ = new QDateEdit(shown, this);
    dateEdit_->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    dateEdit_->setCalendarPopup(true);
    dateEdit_->setDateRange(first, last);
    dateEdit_->setAccessibleName(tr("Date"));
    dateEdit_->setAccessibleDescription(
        tr("A day from %1 to %2").arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate)));
    auto* const buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* const form = new QFormLayout(this);
    auto* const label = new QLabel(tr("&Date:"), this);
    label->setBuddy(dateEdit_);
    form->addRow(label, dateEdit_);
    form->addRow(new QLabel(
        tr("The observations run from %1 to %2.").arg(first.toString(Qt::ISODate), last.toString(Qt::ISODate)), this));
    form->addRow(buttons);
}

QDate GoToDateDialog::chosenDate() const { return dateEdit_->date(); }

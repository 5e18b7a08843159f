#include "control/GazerixPropPage.h"

#include "dialogs/DialogUnits.h"
#include "platform/ModalDialog.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The template in dialog units.
constexpr int kPageWidth = 250;
constexpr int kPageHeight = 62;
constexpr QRect kLabelRect { 7, 25, 229, 16 };
constexpr int kFontPoints = 8;

QFont templateFont()
{
    QFont font = QApplication::font();
    font.setFamily(QStringLiteral("MS Sans Serif"));
    font.setPointSize(kFontPoints);
    return font;
}

} // namespace

GazerixPropPage::GazerixPropPage(QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(QString::fromLatin1(kCaption));
    setFont(templateFont());
    const dialogs::DialogUnits units = dialogs::DialogUnits::ofFont(font());
    setFixedSize(units.toPixelsX(kPageWidth), units.toPixelsY(kPageHeight));
    auto* const label = new QLabel(QString::fromLatin1(kLabelText), this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(units.toPixels(kLabelRect));
}

void GazerixPropPage::showPropertySheet(QWidget* owner)
{
    QPointer<QDialog> sheet = new QDialog(owner);
    sheet->setWindowTitle(QStringLiteral("Gazerix Control Properties"));
    auto* const tabs = new QTabWidget(sheet);
    auto* const page = new GazerixPropPage(tabs);
    tabs->addTab(page, page->windowTitle());
    // Nothing to apply: the control persists no properties.
    auto* const buttons
        = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, sheet);
    buttons->button(QDialogButtonBox::Apply)->setEnabled(false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, sheet, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, sheet, &QDialog::reject);
    auto* const layout = new QVBoxLayout(sheet);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    platform::runModal(sheet);
    if (sheet)
        sheet->deleteLater();
}

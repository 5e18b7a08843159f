#include "shell/MediaDialog.h"

#include "documents/FileDialogHelper.h"
#include "scripting/CommandLine.h"
#include "shell/LayoutWindows.h"
#include "shell/PictureExport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr double kShortestSeconds = 0.1;
constexpr double kOfferedSeconds = 5.0;

} // namespace

MediaDialog::MediaDialog(QWidget* parent, Kind kind, const QStringList& windows, const QString& path)
    : QDialog(parent)
    , kind_(kind)
{
    const bool picture = kind == Kind::Picture;
    setWindowTitle(picture ? tr("Export Picture") : tr("Record Animation"));
    auto* const form = new QFormLayout(this);

    windows_ = new QComboBox(this);
    windows_->addItem(tr("Whole layout"), LayoutWindows::kWholeLayout);
    for (int number = 0; number < windows.size(); ++number)
        windows_->addItem(tr("Window %1: %2").arg(number).arg(windows[number]), number);
    windows_->setAccessibleName(tr("Window"));
    auto* const windowLabel = new QLabel(tr("&Window:"), this);
    windowLabel->setBuddy(windows_);
    form->addRow(windowLabel, windows_);

    path_ = new QLineEdit(path, this);
    path_->setAccessibleName(tr("File"));
    path_->setAccessibleDescription(
        picture ? tr("A .png file holds the pixels, an .svg file the figures") : tr("An animated .gif file"));
    auto* const browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAccessibleName(tr("Choose the file"));
    auto* const fileRow = new QHBoxLayout;
    fileRow->addWidget(path_, 1);
    fileRow->addWidget(browse);
    auto* const fileLabel = new QLabel(tr("&File:"), this);
    fileLabel->setBuddy(path_);
    form->addRow(fileLabel, fileRow);
    form->addRow(new QLabel(picture ? tr("The extension chooses the format: .png for pixels, .svg for figures.")
                                    : tr("The animation is written as an animated GIF (.gif)."),
        this));

    if (!picture) {
        seconds_ = new QDoubleSpinBox(this);
        seconds_->setRange(kShortestSeconds, kLongestRecordingSeconds);
        seconds_->setDecimals(1);
        seconds_->setValue(kOfferedSeconds);
        seconds_->setSuffix(tr(" s"));
        seconds_->setAccessibleName(tr("Seconds"));
        auto* const secondsLabel = new QLabel(tr("&Seconds:"), this);
        secondsLabel->setBuddy(seconds_);
        form->addRow(secondsLabel, seconds_);
    }

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons_);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &MediaDialog::chooseFile);
    connect(path_, &QLineEdit::textChanged, this, &MediaDialog::enableOk);
    enableOk();
}

MediaDialog::Choice MediaDialog::choice() const
{
    return Choice { windows_->currentData().toInt(), chosenPath(), seconds_ ? seconds_->value() : 0.0 };
}

QString MediaDialog::chosenPath() const { return path_->text().trimmed(); }

void MediaDialog::chooseFile()
{
    const bool picture = kind_ == Kind::Picture;
    const FileFilter filter = picture ? FileFilter { tr("Pictures (*.png *.svg)").toStdString(), "*.png *.svg" }
                                      : FileFilter { tr("Animated GIF (*.gif)").toStdString(), "*.gif" };
    const std::string folder = QFileInfo(chosenPath()).absolutePath().toStdString();
    FileDialogHelper helper;
    if (SUCCEEDED(helper.saveAs(this, picture ? ".png" : ".gif", filter, folder.c_str())))
        path_->setText(QString::fromStdString(helper.getPath()));
}

void MediaDialog::enableOk() { buttons_->button(QDialogButtonBox::Ok)->setEnabled(hasWrittenExtension(chosenPath())); }

bool MediaDialog::hasWrittenExtension(const QString& path) const
{
    if (kind_ == Kind::Picture)
        return PictureExport::formatOf(path).has_value();
    return QFileInfo(path).suffix().compare(QLatin1String("gif"), Qt::CaseInsensitive) == 0;
}

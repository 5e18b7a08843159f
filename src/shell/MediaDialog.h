#pragma once
// Layout > Export Picture and Layout > Record Animation: which window (the whole layout or
// one of its windows, by what it shows), which file (typed, or chosen through the Save As
// dialog; its extension names the format) and, for an animation, for how many seconds.
// OK is enabled once the file's extension is one the export writes.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QDialogButtonBox;
class QDoubleSpinBox;
class QLineEdit;

class MediaDialog : public QDialog {
    Q_OBJECT
public:
    enum class Kind { Picture, Animation };

    // `windows` describes the layout's windows in number order; `path` is the file offered.
    MediaDialog(QWidget* parent, Kind kind, const QStringList& windows, const QString& path);

    struct Choice {
        int window = -1; // the window's number, or -1 for the whole layout
        QString path;
        double seconds = 0.0; // animations: the length
    };
    Choice choice() const;

private:
    void chooseFile();
    void enableOk();
    QString chosenPath() const;
    bool hasWrittenExtension(const QString& path) const;

    Kind kind_;
    QComboBox* windows_ = nullptr;
    QLineEdit* path_ = nullptr;
    QDoubleSpinBox* seconds_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

#include "shell/RecentLayouts.h"

#include "platform/DataPath.h"
#include "platform/Message.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

constexpr const char* kKey = "recentLayouts";

QSettings settings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, "Astreon", "skyloom"); }

} // namespace

RecentLayouts::RecentLayouts(QMenu* menu, Opener opener, QObject* parent)
    : QObject(parent)
    , menu_(menu)
    , open_(std::move(opener))
{
    menu_->setToolTipsVisible(true);
    // The entries are made once and relabelled: an entry may be triggered while the list changes.
    for (int index = 0; index < kMostEntries; ++index)
        connect(entries_.emplace_back(menu_->addAction(QString())), &QAction::triggered, this,
            [this, index] { open(index); });
    none_ = menu_->addAction(tr("No layouts opened yet"));
    none_->setEnabled(false);
    showEntries();
}

QStringList RecentLayouts::paths() const { return settings().value(kKey).toStringList().mid(0, kMostEntries); }

void RecentLayouts::add(const QString& path)
{
    const QString absolute
        = QFileInfo(QString::fromStdString(platform::resolveDataPath(path.toStdString()))).absoluteFilePath();
    QStringList entries = paths();
    entries.removeAll(absolute);
    entries.prepend(absolute);
    store(entries.mid(0, kMostEntries));
}

bool RecentLayouts::open(int index)
{
    QStringList entries = paths();
    if (index < 0 || index >= entries.size())
        return false;
    const QString path = entries[index];
    if (QFileInfo(path).isFile())
        return open_(path);
    entries.removeAt(index);
    store(entries);
    platform::showMessage(tr("%1 is no longer there; it is taken off the Recent list.").arg(path).toStdString(),
        tr("Recent").toStdString(), platform::MessageIcon::Warning);
    return false;
}

void RecentLayouts::store(const QStringList& entries)
{
    QSettings stored = settings();
    stored.setValue(kKey, entries);
    stored.sync();
    showEntries();
}

void RecentLayouts::showEntries()
{
    const QStringList paths = this->paths();
    for (int index = 0; index < kMostEntries; ++index) {
        QAction* const entry = entries_[static_cast<std::size_t>(index)];
        entry->setVisible(index < paths.size());
        if (index >= paths.size())
            continue;
        const QString name = QFileInfo(paths[index]).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        entry->setText(QStringLiteral("&%1 %2").arg(index + 1).arg(name));
        entry->setToolTip(paths[index]);
    }
    none_->setVisible(paths.isEmpty());
}

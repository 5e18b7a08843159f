#pragma once
// Layout > Recent: the last eight layouts opened, the most recent first, kept between runs
// in the user's settings (QSettings: Astreon/skyloom, key "recentLayouts"), each under its
// number as mnemonic (&1 to &8) with its whole path as tooltip. Opening an entry whose
// file is gone says so and takes it off the list.
//
// Threading: window thread only.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QAction;
class QMenu;

class RecentLayouts : public QObject {
    Q_OBJECT
public:
    static constexpr int kMostEntries = 8;
    // Loads the layout at `path` (absolute); true when it came on screen.
    using Opener = std::function<bool(const QString& path)>;

    // Fills `menu` (not owned) with the list and keeps it up to date.
    RecentLayouts(QMenu* menu, Opener opener, QObject* parent = nullptr);

    // `path` (against the root directory when relative) becomes the first entry.
    void add(const QString& path);
    // The entries, the most recent first.
    QStringList paths() const;
    // Opens entry `index` (from 0); false when there is none, when its file is gone (said
    // in a message, and the entry is taken off) or when it does not load.
    bool open(int index);

private:
    void store(const QStringList& paths);
    void showEntries();

    QMenu* menu_;
    Opener open_;
    std::vector<QAction*> entries_; // owned by the menu
    QAction* none_ = nullptr; // shown while the list is empty; owned by the menu
};

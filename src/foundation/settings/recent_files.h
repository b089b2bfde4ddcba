#pragma once

#include <QString>

#include <array>

class Platform;

// The last four documents, kept in files.txt, and what the File menu shows of them. Slot 0 is
// the topmost menu item. A slot's item is visible exactly while the slot is filled.
class RecentFiles {
public:
    static constexpr int SlotCount = 4;

    // Unless the path is already listed (letters compared without case): into the empty slot
    // with the highest index, or, with all slots filled, on top, dropping the oldest.
    void add(const QString& path);

    // Reads the slots from files.txt when it exists; missing lines read as empty.
    void load(const QString& dataFolder);
    // Writes files.txt; on failure asks the installer to delete it and tries once more.
    // Callers at close ignore the result.
    bool save(const QString& dataFolder, Platform& platform) const;
    // Empties every slot and deletes files.txt.
    void clear(const QString& dataFolder);

    bool isFilled(int slot) const;
    // DelLast is shown while any slot is filled.
    bool anyFilled() const;
    // The item's caption: the file name part of the path.
    QString displayName(int slot) const { return m_names[slot]; }
    // The item's hint and the file OpenRecentFile loads.
    QString path(int slot) const { return m_paths[slot]; }
    // OpenRecentFile does nothing for a slot whose file has gone.
    bool canOpen(int slot) const;

private:
    std::array<QString, SlotCount> m_names;
    std::array<QString, SlotCount> m_paths;
};

QString recentFilesPath(const QString& dataFolder);

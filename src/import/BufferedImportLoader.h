#pragma once

#include "import/ImportLoader.h"
#include "import/LatestEntries.h"

// An importer that keeps the entries it reads until the whole file has been read, the latest of the
// copies of one entry (those sharing a key) winning; a damaged file therefore adds nothing.
class BufferedImportLoader : public ImportLoader
{
protected:
    using ImportLoader::ImportLoader;

    void entryEnded() override;
    // Adds the kept entries to the wallet in file order; the copies that gave way count as duplicates.
    void addKeptEntries();
    // Fills in what only the whole file tells about an entry, just before its card is made.
    virtual void completeEntry(ImportEntry &) {}

    // Copies of one entry share their key; an entry with an empty key has no copies.
    QString m_entryKey;

private:
    LatestEntries m_entries;
};

#pragma once

#include "import/ImportLoader.h"
#include "import/LatestEntries.h"

// An importer that keeps the entries it reads until the whole file has been read, one per key, the
// latest change winning; a damaged file therefore adds nothing.
class BufferedImportLoader : public ImportLoader
{
protected:
    using ImportLoader::ImportLoader;

    void entryEnded() override;
    // Adds the kept entries to the wallet in key order.
    void addKeptEntries();

    // Copies of one entry share their key.
    QString m_entryKey;

private:
    LatestEntries m_entries;
};

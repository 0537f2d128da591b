#include "exchange/FileFormats.h"

#include <gtest/gtest.h>

#include <set>

// Every command of a format can run: an import has a reader and a file
// filter, an export a writer and a filter, a document its kind's name and a
// Save As filter; a suffix names one format, in any case.
TEST(FileFormatsTest, EveryFormatCanDoWhatItsCommandsOffer)
{
    std::set<QString> suffixes;
    for (const FileFormatEntry& entry : FileFormats::All()) {
        EXPECT_EQ(&FileFormats::Of(entry.format), &entry);
        EXPECT_TRUE(entry.importCommand == 0 || (entry.read && entry.readFilter))
            << entry.suffixes.front();
        EXPECT_TRUE(!entry.openedAsDocument || (entry.kind && entry.documentFilter))
            << entry.suffixes.front();
        EXPECT_TRUE(entry.exportCommand == 0 || (entry.write && entry.writeFilter))
            << entry.suffixes.front();
        for (const char* suffix : entry.suffixes) {
            if (!suffix)
                continue;
            EXPECT_TRUE(suffixes.insert(QString::fromLatin1(suffix)).second) << suffix;
            const QString path = QStringLiteral("/un.dossier/Liste.") + QString::fromLatin1(suffix);
            EXPECT_EQ(FileFormats::ForPath(path.toUpper()), &entry) << suffix;
        }
    }
    EXPECT_EQ(FileFormats::ForPath(QStringLiteral("/un.dossier/Liste")), nullptr);
    EXPECT_EQ(FileFormats::ForPath(QStringLiteral("Liste.xlsx")), nullptr);
}

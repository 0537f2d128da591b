#include "io/FileError.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <string>

namespace {

using FileError::Access;

// Every failure gets a French reason, even one the system gave no number
// for or one without a text of its own.
TEST(FileErrorTest, EveryNumberHasAFrenchReason)
{
    const struct
    {
        int number;
        Access access;
        std::string reason;
    } cases[] = {
        {0, Access::Write, "le système n'en a pas donné la raison."},
        {ENOENT, Access::Read, "le fichier n'existe pas."},
        {ENOENT, Access::Write, "le dossier n'existe pas."},
        {EXDEV, Access::Write, "erreur du système n° " + std::to_string(EXDEV) + "."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileError::Reason(c.number, c.access).toStdString(), c.reason) << c.number;
}

} // namespace

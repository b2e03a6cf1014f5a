// The encrypted container: what goes in comes out byte for byte with the
// right password, and nothing comes out of a container that is cut short,
// extended or altered in any single bit, opened with a wrong password, or
// written by a newer format. Sealing here uses the smallest key-derivation
// limits (the container keeps its limits, so reading is the same code).
#include "transfer/Container.h"
#include "transfer/PasswordStrength.h"

#include <gtest/gtest.h>

#include <random>

namespace ruvek {
namespace {

const std::string kPassword = "Kreide-Tafel-42";

std::vector<std::uint8_t> randomBytes(std::size_t n, unsigned seed)
{
    std::mt19937 gen(seed);
    std::vector<std::uint8_t> out(n);
    for (auto& b : out)
        b = static_cast<std::uint8_t>(gen());
    return out;
}

std::vector<std::uint8_t> seal(const std::vector<ContainerFile>& files, ContainerKind kind = ContainerKind::Class)
{
    SealOutcome s = sealContainer(kind, files, kPassword, KeyDerivation::testMinimum());
    EXPECT_TRUE(s) << s.error;
    return s.bytes;
}

// A small container: one short file, so that every bit can be flipped.
std::vector<std::uint8_t> smallContainer() { return seal({{"7a.RVK", randomBytes(24, 1)}}); }

TEST(Container, RoundTripGivesEveryFileBackByteForByte)
{
    // Sizes around the chunk boundaries, an empty file, a file in a subfolder.
    const std::vector<ContainerFile> files = {
        {"7a.RVK", randomBytes(6044 * 3 + 92, 2)},
        {"leer.DAT", {}},
        {"Sicherungen/7a 2026-12-10 14-03-22.RVK", randomBytes(kContainerChunkSize, 3)},
        {"Programm-Ordner/SCHEINST.DAT", randomBytes(kContainerChunkSize + 1, 4)},
        {"groß/Überweisung Jörg.txt", randomBytes(3 * kContainerChunkSize - 7, 5)},
    };
    for (ContainerKind kind : {ContainerKind::Class, ContainerKind::Backup}) {
        const std::vector<std::uint8_t> bytes = seal(files, kind);
        const ContainerRead opened = openContainer(bytes, kPassword);
        ASSERT_TRUE(opened) << opened.message();
        EXPECT_EQ(opened.header.kind, kind);
        ASSERT_EQ(opened.files.size(), files.size());
        for (std::size_t i = 0; i < files.size(); ++i) {
            EXPECT_EQ(opened.files[i].name, files[i].name);
            EXPECT_TRUE(opened.files[i].bytes == files[i].bytes) << files[i].name;
        }
    }
}

TEST(Container, HeaderKeepsTheLimitsAndEverySealHasItsOwnSaltAndStream)
{
    const std::vector<std::uint8_t> a = smallContainer();
    const std::vector<std::uint8_t> b = smallContainer();
    const ContainerRead ha = readContainerHeader(a);
    const ContainerRead hb = readContainerHeader(b);
    ASSERT_TRUE(ha);
    EXPECT_EQ(ha.header.formatVersion, kContainerFormatVersion);
    EXPECT_EQ(ha.header.kdf.opslimit, KeyDerivation::testMinimum().opslimit);
    EXPECT_EQ(ha.header.kdf.memlimit, KeyDerivation::testMinimum().memlimit);
    EXPECT_NE(ha.header.salt, hb.header.salt);
    EXPECT_NE(ha.header.streamHeader, hb.header.streamHeader);
    // The program's own limits are libsodium's "moderate" Argon2id limits.
    EXPECT_EQ(KeyDerivation::program().opslimit, 3u);
    EXPECT_EQ(KeyDerivation::program().memlimit, 256u << 20);
}

TEST(Container, WrongPasswordGivesTheMessageAndNoFiles)
{
    const std::vector<std::uint8_t> bytes = smallContainer();
    for (const char* wrong : {"Kreide-Tafel-43", "kreide-tafel-42", "", "Kreide-Tafel-42 "}) {
        const ContainerRead r = openContainer(bytes, wrong);
        EXPECT_EQ(r.error, ContainerError::WrongPassword) << wrong;
        EXPECT_TRUE(r.files.empty());
        EXPECT_EQ(r.message(), "Das Kennwort ist falsch oder die Datei ist beschädigt.");
    }
}

TEST(Container, EverySingleBitFlipIsRefused)
{
    const std::vector<std::uint8_t> good = smallContainer();
    ASSERT_TRUE(openContainer(good, kPassword));
    for (std::size_t i = 0; i < good.size(); ++i)
        for (int bit = 0; bit < 8; ++bit) {
            std::vector<std::uint8_t> bad = good;
            bad[i] ^= static_cast<std::uint8_t>(1u << bit);
            const ContainerRead r = openContainer(bad, kPassword);
            ASSERT_FALSE(r) << "byte " << i << " bit " << bit << " was not noticed";
            EXPECT_TRUE(r.files.empty());
        }
}

TEST(Container, EveryTruncationAndAnyExtraByteIsRefused)
{
    const std::vector<std::uint8_t> good = smallContainer();
    for (std::size_t n = 0; n < good.size(); ++n) {
        const ContainerRead r = openContainer(std::span(good.data(), n), kPassword);
        ASSERT_FALSE(r) << "cut to " << n << " bytes";
        EXPECT_TRUE(r.files.empty());
    }
    for (std::uint8_t extra : {0x00, 0xFF}) {
        std::vector<std::uint8_t> longer = good;
        longer.push_back(extra);
        EXPECT_FALSE(openContainer(longer, kPassword));
    }
    // Two containers of the same password one after the other are no container.
    std::vector<std::uint8_t> twice = good;
    twice.insert(twice.end(), good.begin(), good.end());
    EXPECT_FALSE(openContainer(twice, kPassword));
}

// Header fields changed to values outside what the format allows: refused
// from the header alone, before any key derivation (a file must not make the
// program allocate gigabytes or compute for hours).
TEST(Container, HeaderOutOfBoundsIsRefusedBeforeTheKeyIsDerived)
{
    struct Case {
        const char* what;
        std::size_t offset;
        std::vector<std::uint8_t> value;
        ContainerError expected;
    };
    const Case cases[] = {
        {"newer format version", 8, {2, 0}, ContainerError::NewerVersion},
        {"far newer format version", 8, {0xFF, 0xFF}, ContainerError::NewerVersion},
        {"format version 0", 8, {0, 0}, ContainerError::Damaged},
        {"unknown kind", 10, {3, 0}, ContainerError::Damaged},
        {"unknown algorithm", 12, {1}, ContainerError::Damaged},
        {"reserved byte set", 14, {1}, ContainerError::Damaged},
        {"opslimit 0", 16, {0, 0, 0, 0, 0, 0, 0, 0}, ContainerError::Damaged},
        {"opslimit huge", 16, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0}, ContainerError::Damaged},
        {"memlimit 16 GiB", 24, {0, 0, 0, 0, 4, 0, 0, 0}, ContainerError::Damaged},
        {"memlimit too small", 24, {0, 1, 0, 0, 0, 0, 0, 0}, ContainerError::Damaged},
        {"table longer than the file", 72, {0, 0, 1, 0}, ContainerError::Damaged},
        {"table too short for its count", 72, {3, 0, 0, 0}, ContainerError::Damaged},
        {"chunk size 0", 76, {0, 0, 0, 0}, ContainerError::Damaged},
        {"magic damaged", 1, {'r'}, ContainerError::NotContainer},
    };
    const std::vector<std::uint8_t> good = smallContainer();
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bad = good;
        std::copy(c.value.begin(), c.value.end(), bad.begin() + static_cast<std::ptrdiff_t>(c.offset));
        EXPECT_EQ(readContainerHeader(bad).error, c.expected) << c.what;
        EXPECT_EQ(openContainer(bad, kPassword).error, c.expected) << c.what;
    }
}

TEST(Container, NewerVersionSaysSoWithoutAPassword)
{
    std::vector<std::uint8_t> bytes = smallContainer();
    bytes[8] = 7;
    const ContainerRead r = readContainerHeader(bytes);
    EXPECT_EQ(r.error, ContainerError::NewerVersion);
    EXPECT_NE(r.message().find("neueren Version von Ruvek"), std::string::npos) << r.message();
    EXPECT_NE(r.message().find("Format 7"), std::string::npos) << r.message();
}

TEST(Container, SealRefusesShortPasswordsAndUnsafeNames)
{
    const std::vector<std::uint8_t> some = {1, 2, 3};
    // Characters count, not bytes: nine umlauts are nine characters.
    EXPECT_FALSE(sealContainer(ContainerKind::Class, {{"a", some}}, "123456789", KeyDerivation::testMinimum()));
    EXPECT_FALSE(sealContainer(ContainerKind::Class, {{"a", some}}, "äöüäöüäöü", KeyDerivation::testMinimum()));
    EXPECT_TRUE(sealContainer(ContainerKind::Class, {{"a", some}}, "äöüäöüäöüß", KeyDerivation::testMinimum()));

    const std::string unsafe[] = {"", "/etc/passwd", "../7a.RVK", "a/../../b", "a//b", "a/", "./a", "a\\b", "a\nb",
                                  "Sicherungen/..", std::string(1100, 'x')};
    for (const std::string& name : unsafe) {
        EXPECT_FALSE(isSafeContainerName(name)) << name;
        EXPECT_FALSE(sealContainer(ContainerKind::Backup, {{name, some}}, kPassword, KeyDerivation::testMinimum()))
            << name;
    }
    EXPECT_TRUE(isSafeContainerName("Programm-Ordner/SCHEINST.DAT"));
    EXPECT_TRUE(isSafeContainerName("Ruvek-Datensicherung 2026-05-04/7a ..RVK"));
    EXPECT_FALSE(sealContainer(ContainerKind::Backup, {{"a", some}, {"a", some}}, kPassword,
                               KeyDerivation::testMinimum()));
}

// Containers made of random content and names, each opened back: the same
// files in the same order, and a flip of one random byte always refused.
TEST(Container, SeededRandomContainersRoundTripAndRefuseAnyFlip)
{
    std::mt19937 gen(2026);
    for (int round = 0; round < 40; ++round) {
        std::vector<ContainerFile> files;
        const int n = static_cast<int>(gen() % 5);
        for (int i = 0; i < n; ++i)
            files.push_back({"d" + std::to_string(gen() % 3) + "/f" + std::to_string(i),
                             randomBytes(gen() % (2 * kContainerChunkSize + 3), gen())});
        const std::vector<std::uint8_t> bytes = seal(files, gen() % 2 ? ContainerKind::Class : ContainerKind::Backup);
        const ContainerRead r = openContainer(bytes, kPassword);
        ASSERT_TRUE(r) << r.message();
        ASSERT_EQ(r.files.size(), files.size());
        for (std::size_t i = 0; i < files.size(); ++i)
            EXPECT_TRUE(r.files[i].name == files[i].name && r.files[i].bytes == files[i].bytes);
        std::vector<std::uint8_t> bad = bytes;
        bad[gen() % bad.size()] ^= static_cast<std::uint8_t>(1 + gen() % 255);
        EXPECT_FALSE(openContainer(bad, kPassword)) << "round " << round;
    }
}

TEST(PasswordStrength, LevelsFollowLengthKindsRepeatsAndKnownWords)
{
    struct Case {
        const char* password;
        StrengthLevel level;
    };
    const Case cases[] = {
        {"", StrengthLevel::TooShort},
        {"Ab3$xY9!q", StrengthLevel::TooShort},          // nine characters, however mixed
        {"aaaaaaaaaaaaaaaa", StrengthLevel::Weak},        // one character repeated
        {"abcdefghijklmnop", StrengthLevel::Weak},        // a run
        {"1234567890", StrengthLevel::Weak},
        {"passwort123", StrengthLevel::Weak},             // a known word and a run
        {"Schule2024!", StrengthLevel::Weak},
        {"kreidetafel", StrengthLevel::Fair},             // eleven lower-case letters
        {"Kreide-Tafel-42", StrengthLevel::Strong},
        {"sonne mond sterne wolke", StrengthLevel::Strong},
        {"Vq7#pLm2!xR9", StrengthLevel::Good},
    };
    for (const Case& c : cases) {
        const PasswordStrength s = estimatePasswordStrength(c.password);
        EXPECT_EQ(s.level, c.level) << c.password << " (" << s.bits << " Bit)";
    }
    EXPECT_EQ(strengthText(estimatePasswordStrength("kreidetafel")).substr(0, 15), "Stärke: mittel");
}

} // namespace
} // namespace ruvek

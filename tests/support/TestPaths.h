#pragma once

// Folders and programs of this build that the tests use. Their absolute
// paths are compiled into one small library (TestPaths.cpp) instead of every
// test source, so the test objects do not depend on where the checkout lies
// and a compiler cache reuses them in another checkout folder.
namespace ruvek::test {
const char* sourceDir();      // the checkout
const char* testDataDir();    // tests/data
const char* programDir();     // the program folder of the build (build/bin)
const char* cliProgram();     // ruvek-cli of the build
const char* buildDir();       // the build folder
const char* fuzzCorpusDir();  // fuzz/corpus
} // namespace ruvek::test

#define RUVEK_SOURCE_DIR (::ruvek::test::sourceDir())
#define RUVEK_TEST_DATA_DIR (::ruvek::test::testDataDir())
#define RUVEK_PROGRAM_DIR (::ruvek::test::programDir())
#define RUVEK_CLI (::ruvek::test::cliProgram())
#define RUVEK_BUILD_DIR (::ruvek::test::buildDir())
#define RUVEK_FUZZ_CORPUS_DIR (::ruvek::test::fuzzCorpusDir())

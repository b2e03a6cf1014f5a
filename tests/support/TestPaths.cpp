#include "support/TestPaths.h"

namespace ruvek::test {
const char* sourceDir() { return RUVEK_PATH_SOURCE_DIR; }
const char* testDataDir() { return RUVEK_PATH_TEST_DATA_DIR; }
const char* programDir() { return RUVEK_PATH_PROGRAM_DIR; }
const char* cliProgram() { return RUVEK_PATH_CLI; }
const char* buildDir() { return RUVEK_PATH_BUILD_DIR; }
const char* fuzzCorpusDir() { return RUVEK_PATH_FUZZ_CORPUS_DIR; }
} // namespace ruvek::test

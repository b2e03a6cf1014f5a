// Writes the standard form control files of the installation from their
// description:
//
//   make-forms DESCRIPTION-FOLDER OUTPUT-FOLDER
//
// e.g. make-forms tools/forms data (reads every *.txt in file-name order)
#include "layouts/FormDescription.h"
#include "print/FormFile.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make-forms DESCRIPTION-FOLDER OUTPUT-FOLDER\n");
        return 2;
    }
    const ruvek::FormDescriptionResult parsed = ruvek::ParseFormDescriptionFolder(argv[1]);
    if (!parsed.error.empty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], parsed.error.c_str());
        return 1;
    }
    for (const ruvek::DescribedForm& form : parsed.forms) {
        const std::filesystem::path out = std::filesystem::path(argv[2]) / form.fileName;
        std::string error;
        if (!ruvek::WriteFormFile(out, form.title, form.slots, &error)) {
            std::fprintf(stderr, "%s: %s\n", out.c_str(), error.c_str());
            return 1;
        }
        std::printf("%s\n", out.c_str());
    }
    return 0;
}

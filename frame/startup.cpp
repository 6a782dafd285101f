#include "startup.h"

namespace frame {

std::vector<char*> qtArguments(int argc, char** argv) {
    static char fallbackName[] = "quillory";
    char* name = (argc > 0 && argv && argv[0]) ? argv[0] : fallbackName;
    return {name, nullptr};
}

}  // namespace frame

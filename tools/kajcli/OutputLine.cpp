#include "OutputLine.h"

namespace kaj::cli {

void writeLine(std::FILE* to, std::string_view line) {
    std::fwrite(line.data(), 1, line.size(), to);
    std::fputc('\n', to);
}

}  // namespace kaj::cli

// The warm office: loads the office suite once (LibreOfficeKit) and converts document after
// document to PDF as its parent asks on standard input.
//   velmora-office-helper <office program folder> <profile URL>
// In: "convert\t<document URL>\t<PDF path>\n". Out: "ready", then one of "done", "unreadable",
// "failed" per document.
#include <LibreOfficeKit/LibreOfficeKit.hxx>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

void answer(const char *word)
{
    std::fputs(word, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3)
        return 2;
    // No lock files beside the user's documents.
    setenv("SAL_ENABLE_FILE_LOCKING", "0", 1);
    std::unique_ptr<lok::Office> office(lok::lok_cpp_init(argv[1], argv[2]));
    if (!office)
        return 3;
    answer("ready");
    std::string line;
    while (std::getline(std::cin, line)) {
        const auto first = line.find('\t');
        const auto second = first == std::string::npos ? first : line.find('\t', first + 1);
        if (second == std::string::npos || line.compare(0, first, "convert") != 0) {
            answer("failed");
            continue;
        }
        const std::string url = line.substr(first + 1, second - first - 1);
        const std::string pdf = line.substr(second + 1);
        std::unique_ptr<lok::Document> document(office->documentLoad(url.c_str()));
        if (!document) {
            answer("unreadable");
            continue;
        }
        const bool saved = document->saveAs(pdf.c_str(), "pdf", nullptr);
        // Closed before answering, so nothing of it is left when the parent goes on.
        document.reset();
        answer(saved ? "done" : "failed");
    }
    // The office's own shutdown is slow and has hung; there is nothing left to save.
    std::fflush(stdout);
    _exit(0);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the golden cases of kavrel-calc and compares what they print with what was recorded.
//
//   golden_runner BIN-DIR CASE-FILE...
//
// A case file holds cases separated by blank lines; lines starting with '#' are comments.
// A case is, in this order:
//   $ COMMAND      run by /bin/sh -c with BIN-DIR first on PATH, in an empty scratch folder,
//   + MORE         so quoting, pipes and here-documents work; each '+' line continues the
//                  command after a line break
//   ? STATUS       the exit status
//   ! TEXT         one line of standard error
//   > TEXT         one line of standard output
// An output line keeps its bytes after the two-character prefix, its CR LF or LF included
// (an empty line is written as '>' or '!' alone before its line end). A line holding only '\'
// takes back the line end of the output line above it: that output did not end in one.
// The files are marked -text in .gitattributes so that git keeps their CRs.
//
// KAVREL_GOLDEN_UPDATE=1 rewrites the '?', '!' and '>' lines of every case from the actual run
// and leaves the commands and comments as they are: for re-recording after a deliberate change
// of the program, the differences to be reviewed in the version control diff.
//   KAVREL_GOLDEN_UPDATE=1 ctest --test-dir build -R golden

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Case {
    std::string before; // comments and blank lines above the case, kept verbatim
    int line = 0;       // of the command, for the report
    std::string command;
    std::optional<int> status;
    std::string err;
    std::string out;
};

struct CaseFile {
    std::vector<Case> cases;
    std::string after; // comments and blank lines after the last case
};

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Splits the file into its lines, each with its line end.
std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

std::string WithoutLineEnd(std::string line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
        line.pop_back();
    return line;
}

bool Parse(const fs::path& path, CaseFile& file) {
    const std::vector<std::string> lines = Lines(ReadFile(path));
    std::string loose;
    Case* current = nullptr;
    std::string* lastOutput = nullptr;
    for (size_t n = 0; n < lines.size(); ++n) {
        const std::string& line = lines[n];
        const std::string bare = WithoutLineEnd(line);
        auto fail = [&](const char* problem) {
            std::cerr << path.string() << ":" << n + 1 << ": " << problem << "\n";
            return false;
        };
        if (bare.empty() || bare[0] == '#') {
            if (current && !bare.empty()) return fail("a comment inside a case");
            current = nullptr;
            loose += line;
        } else if (bare.starts_with("$ ")) {
            file.cases.push_back({std::move(loose), static_cast<int>(n + 1), bare.substr(2)});
            loose.clear();
            current = &file.cases.back();
            lastOutput = nullptr;
        } else if (!current) {
            return fail("expected a command ('$ ') or a comment");
        } else if (bare.starts_with("+ ") || bare == "+") {
            if (current->status || lastOutput) return fail("a continuation after the results");
            current->command += "\n" + bare.substr(bare.size() > 1 ? 2 : 1);
        } else if (bare.starts_with("? ")) {
            char* end = nullptr;
            current->status = static_cast<int>(std::strtol(bare.c_str() + 2, &end, 10));
            if (*end) return fail("the status is not a number");
        } else if (bare[0] == '!' || bare[0] == '>') {
            lastOutput = bare[0] == '!' ? &current->err : &current->out;
            *lastOutput += line.substr(line.size() > 1 && line[1] == ' ' ? 2 : 1);
        } else if (bare == "\\") {
            if (!lastOutput || !lastOutput->ends_with('\n')) return fail("'\\' after no output");
            lastOutput->pop_back();
        } else {
            return fail("not a line of a case");
        }
    }
    file.after = std::move(loose);
    return true;
}

void WriteOutput(std::string& text, char prefix, const std::string& output) {
    for (const std::string& line : Lines(output)) {
        text += prefix;
        if (line[0] != '\r' && line[0] != '\n') text += ' ';
        text += line;
        if (!line.ends_with('\n')) text += "\n\\\n";
    }
}

std::string Render(const CaseFile& file) {
    std::string text;
    for (const Case& c : file.cases) {
        text += c.before;
        const std::vector<std::string> command = Lines(c.command + "\n");
        for (size_t n = 0; n < command.size(); ++n)
            text += (n == 0 ? "$ " : command[n] == "\n" ? "+" : "+ ") + command[n];
        if (c.status) text += "? " + std::to_string(*c.status) + "\n";
        WriteOutput(text, '!', c.err);
        WriteOutput(text, '>', c.out);
    }
    return text + file.after;
}

struct Run {
    int status = -1;
    std::string out;
    std::string err;
};

std::optional<fs::path> ScratchDir() {
    std::string base = (fs::temp_directory_path() / "kavrel-golden-XXXXXX").string();
    if (mkdtemp(base.data())) return fs::path(base);
    std::cerr << "mkdtemp: " << std::strerror(errno) << "\n";
    return std::nullopt;
}

// Runs the command in a scratch folder of its own, so that no case sees what another left.
std::optional<Run> Execute(const std::string& command, const std::string& path) {
    const std::optional<fs::path> scratch = ScratchDir();
    if (!scratch) return std::nullopt;
    const fs::path dir = *scratch, work = dir / "work", out = dir / "out", err = dir / "err";
    fs::create_directory(work);
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const bool ready = chdir(work.c_str()) == 0 && std::freopen("/dev/null", "r", stdin) &&
                           std::freopen(out.c_str(), "w", stdout) &&
                           std::freopen(err.c_str(), "w", stderr) &&
                           setenv("PATH", path.c_str(), 1) == 0;
        if (ready) execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int wait = 0;
    if (child < 0 || waitpid(child, &wait, 0) != child) {
        std::cerr << "could not run the command: " << std::strerror(errno) << "\n";
        fs::remove_all(dir);
        return std::nullopt;
    }
    Run run;
    run.status = WIFEXITED(wait) ? WEXITSTATUS(wait) : 128 + WTERMSIG(wait);
    run.out = ReadFile(out);
    run.err = ReadFile(err);
    fs::remove_all(dir);
    return run;
}

// The differences as diff -u shows them, with CRs made visible.
void PrintDiff(const std::string& name, const std::string& expected, const std::string& actual) {
    const std::optional<fs::path> dir = ScratchDir();
    if (!dir) return;
    std::ofstream(*dir / "expected", std::ios::binary) << expected;
    std::ofstream(*dir / "actual", std::ios::binary) << actual;
    std::cout << "  " << name << ":\n" << std::flush;
    const std::string diff = "cd '" + dir->string() +
                             "' && diff -u --label expected --label actual expected actual | sed "
                             "'s/\\r/\\\\r/g; s/^/    /'";
    if (std::system(diff.c_str()) == -1) std::cerr << "could not run diff\n";
    fs::remove_all(*dir);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::cerr << "usage: golden_runner BIN-DIR CASE-FILE...\n";
        return 2;
    }
    const char* update = std::getenv("KAVREL_GOLDEN_UPDATE");
    const bool updating = update && std::string(update) == "1";
    const char* inherited = std::getenv("PATH");
    const std::string path =
        fs::absolute(argv[1]).string() + (inherited ? ":" + std::string(inherited) : "");
    int failed = 0, total = 0, rerecordedInAll = 0;
    for (int arg = 2; arg < argc; ++arg) {
        const fs::path name = argv[arg];
        CaseFile file;
        if (!Parse(name, file)) return 2;
        int rerecorded = 0;
        for (Case& c : file.cases) {
            ++total;
            std::optional<Run> run = Execute(c.command, path);
            if (!run) return 2;
            const bool same = c.status == run->status && c.err == run->err && c.out == run->out;
            if (same) continue;
            if (updating) {
                c.status = run->status;
                c.err = std::move(run->err);
                c.out = std::move(run->out);
                ++rerecorded;
                ++rerecordedInAll;
                continue;
            }
            ++failed;
            std::cout << name.string() << ":" << c.line << ": FAILED\n";
            for (const std::string& line : Lines(c.command + "\n"))
                std::cout << "  $ " << WithoutLineEnd(line) << "\n";
            if (c.status != run->status)
                std::cout << "  exit status: expected "
                          << (c.status ? std::to_string(*c.status) : "(none recorded)") << ", got "
                          << run->status << "\n";
            if (c.err != run->err) PrintDiff("standard error", c.err, run->err);
            if (c.out != run->out) PrintDiff("standard output", c.out, run->out);
        }
        if (updating && rerecorded) {
            std::ofstream(name, std::ios::binary | std::ios::trunc) << Render(file);
            std::cout << name.string() << ": re-recorded " << rerecorded << " of "
                      << file.cases.size() << " cases\n";
        }
    }
    if (updating)
        std::cout << rerecordedInAll << " of " << total << " cases re-recorded\n";
    else
        std::cout << total - failed << " of " << total << " cases passed\n";
    return failed ? 1 : 0;
}

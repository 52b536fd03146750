#include "host/cli/session/ScriptRunner.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "host/cli/session/ScriptStep.h"
#include "host/cli/session/ScriptWords.h"
#include "host/cli/session/SessionBackend.h"

namespace tarncli::session {
namespace {

std::string Trimmed(const std::string& line) {
    const size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// "" when the step ran; otherwise why the script cannot go on.
std::string RunLine(ScriptContext& context, const std::vector<std::string>& words) {
    const ScriptStep* step = StandardScriptSteps().Find(words[0]);
    if (step == nullptr) {
        return "unknown step \"" + words[0] + "\"";
    }
    const StepArguments args(words.begin() + 1, words.end());
    if (args.size() < step->minArguments || args.size() > step->maxArguments) {
        return "usage: " + step->name + " " + step->arguments;
    }
    if (!step->continuesDialogAnswers) {
        context.EndDialogAnswers();
    }
    return step->run(context, args);
}

}  // namespace

int RunScript(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "tarnmap: script needs one script file\n";
        return 2;
    }
    const std::string& file = args[0];
    std::ifstream in(file);
    if (!in) {
        err << "tarnmap: " << file << ": cannot be read\n";
        return 1;
    }
    const std::string dir = std::filesystem::absolute(file).parent_path().string();
    SessionBackend backend(&out);
    const tarnui::ScopedBackend use(backend);
    int status = 0;
    {
        ScriptContext context(backend, dir);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::string error;
            const auto words = SplitScriptWords(line, &error);
            if (words && words->empty()) {
                continue;
            }
            out << "> " << Trimmed(line) << "\n";
            if (words) {
                error = RunLine(context, *words);
            }
            backend.Flush();
            if (!error.empty()) {
                out.flush();
                err << "tarnmap: " << file << ":" << number << ": " << error << "\n";
                status = 2;
                break;
            }
        }
        if (status == 0 && !backend.Script().Empty()) {
            out << "answers left unasked for at the end of the script\n";
        }
        // Closing the session may still show something (a view that saves its layout).
    }
    backend.Flush();
    out.flush();
    return status;
}

}  // namespace tarncli::session

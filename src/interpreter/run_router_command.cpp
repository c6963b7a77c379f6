#include "interpreter/run_router_command.h"

#include "interpreter/line_run.h"

namespace rd {

interp::LineResult RunRouterCommand(db::Connection& conn, const Module1& g, services::Clock now) {
  if (g.gCommandLine.find(' ') != std::string::npos) return RunMultiWordCommand(conn, g, now);

  interp::LineRun run(conn, g, now);
  interp::LineResult& result = run.result();
  const std::vector<interp::FirstWord> matches =
      interp::Abbreviated(run.tree().FirstWords(g.gPrompt), g.gCommandLine);
  if (matches.empty()) return result;
  result.flags.found = true;
  if (matches.size() > 1) {
    result.flags.ambiguous = true;
    return result;
  }

  const interp::FirstWord& word = matches.back();
  if (word.moreWords) {
    result.flags.incomplete = true;
    return result;
  }
  if (!word.enabled) return result;
  result.flags.enabled = true;
  run.EnterMode(word.nextPrompt);
  result.response = word.response;
  run.WriteConfig(word, word.command);
  return result;
}

}  // namespace rd

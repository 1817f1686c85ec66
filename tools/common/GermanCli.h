#pragma once

#include <CLI/CLI.hpp>

#include <map>
#include <regex>
#include <string>

namespace sorvane::tools {

// The parser's own words in its help texts, in German like the rest of the
// program. Also the same option syntax on every system: on Windows the
// parser would otherwise take "/x" for an option, and so a path such as
// "/Daten/a.zvq" (the current drive's root).
inline void GermanLabels(CLI::App& app) {
  app.allow_windows_style_options(false);
  const std::map<std::string, std::string> labels = {
      {"Usage", "Aufruf"},       {"OPTIONS", "OPTIONEN"},   {"SUBCOMMAND", "BEFEHL"},
      {"SUBCOMMANDS", "BEFEHLE"}, {"Positionals", "Argumente"}, {"REQUIRED", "(nötig)"},
      {"Needs", "Braucht"},      {"Excludes", "Schließt aus"}, {"TEXT", "TEXT"},
  };
  for (const auto& [key, value] : labels) app.get_formatter()->label(key, value);
}

// The parser's English detail in German, for the complaints that our
// command lines can draw; "" for any other, which then goes unsaid rather
// than half in English.
inline std::string GermanDetail(const std::string& detail) {
  static const std::pair<std::regex, const char*> kForms[] = {
      {std::regex("A subcommand is required"), "ein Befehl fehlt"},
      {std::regex("(.+) is required"), "$1 fehlt"},
      {std::regex("The following arguments? (?:was|were) not expected: (.+)"), "nicht erwartet: $1"},
      {std::regex("Expected exactly (\\d+) arguments to (.+), got (\\d+)"), "$2 erwartet $1 Werte, nicht $3"},
      {std::regex("(.+): (\\d+) required .+ missing"), "$1 braucht $2 Wert(e)"},
      {std::regex("(.+): too many inputs for a flag"), "$1 nimmt keinen Wert"},
      {std::regex("Could not convert: (.+) = (.+)"), "'$2' passt nicht zu $1"},
      {std::regex("The value (.+) is not an allowed value for (.+)"), "'$1' ist für $2 nicht zulässig"},
      {std::regex("(.+) requires (.+)"), "$1 braucht $2"},
      {std::regex("(.+) excludes (.+)"), "$1 schließt $2 aus"},
  };
  for (const auto& [form, german] : kForms) {
    if (std::regex_match(detail, form)) return std::regex_replace(detail, form, german);
  }
  return {};
}

// A German complaint about the command line: a summary of the parser's
// complaint and, where it can be said in German, the detail that names the
// option concerned.
inline std::string UsageMessage(const std::string& program, const CLI::ParseError& e) {
  const std::string kind = e.get_name();
  std::string summary = "Ungültiger Aufruf";
  if (kind == "RequiredError") summary = "Eine nötige Angabe fehlt";
  // A subcommand's extras carry the subcommand's name as their kind.
  else if (kind == "ExtrasError" || std::string(e.what()).starts_with("The following argument"))
    summary = "Unerwartete Angaben";
  else if (kind == "ArgumentMismatch") summary = "Falsche Zahl von Werten";
  else if (kind == "ConversionError") summary = "Ungültiger Wert";
  const std::string detail = GermanDetail(e.what());
  return program + ": " + summary + (detail.empty() ? "" : " (" + detail + ")") + ".\nMehr dazu zeigt \"" + program +
         " --help\".\n";
}

}  // namespace sorvane::tools

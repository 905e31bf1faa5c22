#include "headless/options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <utility>

namespace morvik {

namespace {
// A word CLI11 reads as an option rather than a value: "--name" or "-x",
// but not a negative number.
bool LooksLikeOption(const std::string& word) {
  return word.size() >= 2 && word[0] == '-' && !std::isdigit(static_cast<unsigned char>(word[1]));
}

std::string ValueCount(int n) {
  return std::to_string(n) + (n == 1 ? " value" : " values");
}

// The command as the help shows it: the program, and the subcommand if any.
std::string CommandName(int argc, char** argv, int first) {
  std::string name = argc > 0 ? argv[0] : "";
  const auto slash = name.rfind('/');
  if (slash != std::string::npos) name.erase(0, slash + 1);
  for (int i = 1; i < first && i < argc; ++i) name += std::string(" ") + argv[i];
  return name;
}

// Before CLI11 reads anything: a word that is no option here ("--" among
// them: no command takes other words), then --help, which answers whatever
// else is given.
void CheckNames(const CLI::App& app, int argc, char** argv, int first,
                const std::vector<std::string>& family) {
  const std::string command = first > 1 ? argv[first - 1] : "this command";
  bool help = false;
  std::string unknown;
  for (int i = first; i < argc; ++i) {
    const std::string word = argv[i];
    if (!LooksLikeOption(word) && word != "--") continue;
    const std::string name = word.substr(0, word.find('='));
    help = help || name == "--help";
    if (app.get_option_no_throw(name) != nullptr) continue;
    if (std::find(family.begin(), family.end(), word) != family.end())
      throw UsageError("option " + word + " does not apply to " + command);
    if (unknown.empty()) unknown = word;
  }
  if (help) throw HelpRequested{app.help()};
  if (!unknown.empty()) throw UsageError("unknown option '" + unknown + "'");
}

// CLI11's messages begin with the option's name: "--dice: ...".
std::string NameIn(const std::string& message) {
  return message.substr(0, message.find(':'));
}

// "give --board B or --position-id ID" from "... option from [--board,--position-id]".
std::string OneOfGroup(const CLI::App& app, const std::string& message) {
  const auto open = message.find('[');
  const auto close = message.rfind(']');
  std::string text = "give";
  const char* joint = " ";
  for (const std::string& name : SplitList(message.substr(open + 1, close - open - 1))) {
    const CLI::Option* option = app.get_option_no_throw(name);
    text += joint + name;
    if (option != nullptr && !option->get_type_name().empty())
      text += " " + option->get_type_name();
    joint = " or ";
  }
  return text;
}

// The tools' own wording for what CLI11 finds wrong.
std::string Wording(const CLI::App& app, const CLI::ParseError& error) {
  const std::string message = error.what();
  if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr)
    return message.substr(message.find(": ") + 2);  // the check's own words
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    const std::string name = NameIn(message);
    const CLI::Option* option = app.get_option_no_throw(name);
    const int wanted = option != nullptr ? std::max(option->get_type_size_max(), 1) : 1;
    const int got = option != nullptr ? static_cast<int>(option->results().size()) : 0;
    if (message.find("At Most") != std::string::npos || got > wanted)
      return "option " + name + " given twice";
    return "option " + name + " needs " + ValueCount(wanted) + ", got " + std::to_string(got);
  }
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    if (message.find('[') != std::string::npos) return OneOfGroup(app, message);
    return "missing option " + message.substr(0, message.find(" is required"));
  }
  if (dynamic_cast<const CLI::ExcludesError*>(&error) != nullptr) {
    const auto at = message.find(" excludes ");
    return "give either " + message.substr(0, at) + " or " + message.substr(at + 10) + ", not both";
  }
  if (dynamic_cast<const CLI::RequiresError*>(&error) != nullptr) {
    const auto at = message.find(" requires ");
    return message.substr(0, at) + " goes with " + message.substr(at + 10);
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr && !app.remaining().empty())
    return "unknown option '" + app.remaining().front() + "'";
  return message;
}

// Each option's line of help shows its values and whether it is required;
// what it excludes is said by the usage.
class HelpFormatter : public CLI::Formatter {
 public:
  std::string make_option_opts(const CLI::Option* option) const override {
    std::string text;
    if (option->get_type_size() != 0) text += " " + option->get_type_name();
    if (option->get_required()) text += " (required)";
    return text;
  }
};

void AddNames(const CLI::App& app, std::vector<std::string>& names) {
  for (const CLI::Option* option : app.get_options()) {
    for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
  }
  for (const CLI::App* group : app.get_subcommands([](const CLI::App*) { return true; })) {
    if (group->get_name().empty()) AddNames(*group, names);
  }
}
}  // namespace

void SetUpCommand(CLI::App& app) {
  app.set_help_flag("--help", "print this help and exit");
  app.formatter(std::make_shared<HelpFormatter>());
}

CLI::Option* AddFlag(CLI::App& app, const std::string& name, bool& on, const std::string& help) {
  CLI::Option* flag = app.add_flag(name, help);
  flag->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  flag->each([&on](const std::string&) { on = true; });
  return flag;
}

void RefuseOptionNames(CLI::Option& option) {
  const int values = std::max(option.get_type_size_max(), 1);
  const std::string name = option.get_name();
  for (int index = values - 1; index >= 0; --index) {  // each goes in front
    CLI::Validator check(
        [name, values, index](std::string& text) {
          // An empty word is no value either, unless others come with it.
          const bool missing =
              text == "--" || LooksLikeOption(text) || (values == 1 && text.empty());
          if (!missing) return std::string();
          return "option " + name + " needs " + ValueCount(values) + ", got " +
                 std::to_string(index);
        },
        "", "");
    option.transform(check.application_index(values == 1 ? -1 : index));
  }
}

CLI::Validator Integer(int low, int high, const std::string& what) {
  return CLI::Validator(
      [low, high, what](std::string& text) {
        try {
          text = std::to_string(ParseInt(text, low, high, what));
        } catch (const UsageError& e) {
          return std::string(e.what());
        }
        return std::string();
      },
      "", "");
}

CLI::Validator Real(double low, double high, const std::string& what) {
  return CLI::Validator(
      [low, high, what](std::string& text) {
        std::size_t used = 0;
        double value = 0.0;
        try {
          value = std::stod(text, &used);
        } catch (const std::exception&) {
          used = 0;
        }
        if (used == 0 || used != text.size()) return what + " is not a number: '" + text + "'";
        if (!(value >= low && value <= high)) return what + " is out of range: " + text;
        char exact[40];  // hexadecimal: read back by CLI11 as exactly this double
        std::snprintf(exact, sizeof exact, "%a", value);
        text = exact;
        return std::string();
      },
      "", "");
}

CLI::Validator Refuse(std::function<std::string(const std::string&)> problem) {
  return CLI::Validator([problem](std::string& text) { return problem(text); }, "", "");
}

CLI::Validator OneOf(std::vector<std::string> names,
                     std::function<std::string(const std::string&)> refusal) {
  return Refuse([names, refusal](const std::string& text) {
    return std::find(names.begin(), names.end(), text) != names.end() ? std::string()
                                                                      : refusal(text);
  });
}

void ParseCommand(CLI::App& app, int argc, char** argv, int first,
                  const std::vector<std::string>& family) {
  app.name(CommandName(argc, argv, first));
  CheckNames(app, argc, argv, first, family);
  std::vector<std::string> args(argv + first, argv + argc);
  std::reverse(args.begin(), args.end());  // CLI11 takes them last first
  try {
    app.parse(args);
  } catch (const CLI::CallForHelp&) {
    throw HelpRequested{app.help()};
  } catch (const CLI::ParseError& e) {
    throw UsageError(Wording(app, e));
  }
}

std::vector<std::string> OptionNames(const CLI::App& app) {
  std::vector<std::string> names;
  AddNames(app, names);
  return names;
}

}  // namespace morvik

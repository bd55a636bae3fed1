#include "worksheets/sheetfile.h"

#include "numbers/words.h"
#include "textfile/textfile.h"
#include "worksheets/rangesform.h"
#include "working/working.h"

#include <nlohmann/json.hpp>

#include <limits>
#include <set>
#include <type_traits>

namespace tessaro {

namespace {

using Json = nlohmann::json;
using OrderedJson = nlohmann::ordered_json;

// Where a refusal lies: the problem (1 on) of the sheet or of a version, and the field.
struct Place {
  std::string version;  // empty: the sheet's own problems
  std::size_t problem = 0;  // 0: the sheet itself
};

struct Refused {
  std::string message;
};

class Refuser {
 public:
  explicit Refuser(const std::string& file) : file_(file) {}

  [[noreturn]] void Field(const Place& at, std::string_view field, std::string_view reason) const {
    std::string where;
    const auto add = [&where](const std::string& part) {
      where += (where.empty() ? "" : ", ") + part;
    };
    //: Where a worksheet file is at fault: "version B, problem 2, field "f1"". %1 is a
    //: version's code.
    if (!at.version.empty()) add(Fill(translate("Worksheets", "version %1"), {at.version}));
    //: %1 is the problem's number, from 1.
    if (at.problem > 0) add(Fill(translate("Worksheets", "problem %1"), {std::to_string(at.problem)}));
    //: %1 is the field's name as the file writes it.
    if (!field.empty()) add(Fill(translate("Worksheets", "field \"%1\""), {field}));
    throw Refused{file_ + ": " + (where.empty() ? "" : where + ": ") + std::string(reason)};
  }
  [[noreturn]] void Whole(std::string_view reason) const {
    throw Refused{file_ + ": " + std::string(reason)};
  }

 private:
  const std::string& file_;
};

// The reasons given in more than one place.
std::string MustBeObject() { return translate("Worksheets", "must be an object { ... }"); }
std::string MustBeList() { return translate("Worksheets", "must be a list [ ... ]"); }
std::string MustBeTrueOrFalse() { return translate("Worksheets", "must be true or false"); }

// The fields of an object that were read; any other is refused, so a misspelt field
// never passes unnoticed.
class Fields {
 public:
  // `field` names the object in a refusal; empty for a problem or a version, which the
  // place names.
  Fields(const Json& object, const Refuser& refuse, Place at, std::string_view field)
      : object_(object), refuse_(refuse), at_(at) {
    if (!object.is_object()) refuse_.Field(at_, field, MustBeObject());
  }

  const Json* Find(const char* name) {
    seen_.insert(name);
    auto it = object_.find(name);
    return it == object_.end() ? nullptr : &*it;
  }
  const Json& Need(const char* name) {
    const Json* found = Find(name);
    if (!found) refuse_.Field(at_, name, translate("Worksheets", "is missing"));
    return *found;
  }

  std::string Text(const char* name, const Json& value) const {
    if (!value.is_string())
      refuse_.Field(at_, name, translate("Worksheets", "must be a text in double quotes"));
    return value.get<std::string>();
  }
  std::int64_t Integer(const char* name, const Json& value, std::int64_t lo, std::int64_t hi) const {
    const auto refuse = [&] {
      refuse_.Field(at_, name, Fill(translate("Worksheets", "must be an integer from %1 to %2"),
                                    {std::to_string(lo), std::to_string(hi)}));
    };
    if (!value.is_number_integer()) refuse();
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(hi))
      refuse();
    const std::int64_t v = value.get<std::int64_t>();
    if (v < lo || v > hi) refuse();
    return v;
  }

  // Refuses the first field no reader asked for, with `reason` ("is not a field of a
  // problem").
  void NoOthers(const std::string& reason) const {
    for (auto it = object_.begin(); it != object_.end(); ++it)
      if (!seen_.count(it.key())) refuse_.Field(at_, it.key(), reason);
  }

  const Refuser& Refuse() const { return refuse_; }
  const Place& At() const { return at_; }

 private:
  const Json& object_;
  const Refuser& refuse_;
  Place at_;
  std::set<std::string, std::less<>> seen_;
};

constexpr std::int64_t Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t Int32Max = std::numeric_limits<std::int32_t>::max();

// Reads the params of one kind, field by field, through ParamFields.
class ParamsIn {
 public:
  explicit ParamsIn(Fields& fields) : f_(fields) {}

  void Int(const char* name, std::int32_t& out) {
    out = static_cast<std::int32_t>(f_.Integer(name, f_.Need(name), Int32Min, Int32Max));
  }
  void Text(const char* name, std::string& out) { out = Checked(name, f_.Need(name)); }
  void Ints(const char* name, std::vector<std::int32_t>& out) {
    const Json& list = List(name);
    out.clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
      //: %1 is the number of an item of a list, from 1.
      if (!list[i].is_number_integer()) Item(name, i, translate("Worksheets", "item %1 must be an integer"));
      out.push_back(static_cast<std::int32_t>(f_.Integer(name, list[i], Int32Min, Int32Max)));
    }
  }
  void Texts(const char* name, std::vector<std::string>& out) {
    const Json& list = List(name);
    out.clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
      //: %1 is the number of an item of a list, from 1.
      if (!list[i].is_string())
        Item(name, i, translate("Worksheets", "item %1 must be a text in double quotes"));
      out.push_back(Checked(name, list[i]));
    }
  }

 private:
  const Json& List(const char* name) {
    const Json& list = f_.Need(name);
    if (!list.is_array()) f_.Refuse().Field(f_.At(), name, MustBeList());
    return list;
  }
  // `pattern` has the item's number as %1.
  [[noreturn]] void Item(const char* name, std::size_t i, const std::string& pattern) {
    f_.Refuse().Field(f_.At(), name, Fill(pattern, {std::to_string(i + 1)}));
  }
  std::string Checked(const char* name, const Json& value) {
    std::string text = f_.Text(name, value);
    if (TextWidth(text) > MaxParamText)
      f_.Refuse().Field(f_.At(), name,
                        Fill(translate("Worksheets", "is longer than %1 characters"),
                             {std::to_string(MaxParamText)}));
    return text;
  }

  Fields& f_;
};

// Writes the params of one kind, field by field, through ParamFields.
class ParamsOut {
 public:
  void Int(const char* name, std::int32_t v) { json[name] = v; }
  void Text(const char* name, const std::string& v) { json[name] = v; }
  void Ints(const char* name, const std::vector<std::int32_t>& v) { json[name] = v; }
  void Texts(const char* name, const std::vector<std::string>& v) { json[name] = v; }
  OrderedJson json = OrderedJson::object();
};

// The one list of each kind's params, for reading and for writing.
template <class V, class P>
void ParamFields(V& v, P& p) {
  using T = std::remove_const_t<P>;
  if constexpr (std::is_same_v<T, IntegerSingleParams>) {
    v.Int("n", p.n);
    v.Int("exponent", p.exponent);
    v.Int("basis", p.basis);
  } else if constexpr (std::is_same_v<T, IntegerPairParams>) {
    v.Int("a", p.a);
    v.Int("b", p.b);
    v.Int("decimals", p.decimals);
  } else if constexpr (std::is_same_v<T, IntegerListParams>) {
    v.Ints("numbers", p.numbers);
  } else if constexpr (std::is_same_v<T, IntegerCombinedParams>) {
    v.Text("expression", p.expression);
    v.Ints("numbers", p.numbers);
    v.Int("decimals", p.decimals);
  } else if constexpr (std::is_same_v<T, FractionPairParams>) {
    v.Text("f1", p.f1);
    v.Text("f2", p.f2);
  } else if constexpr (std::is_same_v<T, FractionCombinedParams>) {
    v.Text("expression", p.expression);
    v.Texts("fractions", p.fractions);
  } else if constexpr (std::is_same_v<T, PolynomialSingleParams>) {
    v.Text("p", p.p);
    v.Text("x", p.x);
  } else if constexpr (std::is_same_v<T, PolynomialPairParams>) {
    v.Text("a", p.a);
    v.Text("b", p.b);
  } else if constexpr (std::is_same_v<T, PolynomialCombinedParams>) {
    v.Text("expression", p.expression);
    v.Texts("polynomials", p.polynomials);
  } else {
    static_assert(std::is_same_v<T, TextParams>, "every kind lists its params here");
  }
}

// One field of a problem's "ranges", by its type. `fault` refuses with the reason, the
// field's key first, as the ranges dialog words it.
template <class Fault>
void ReadRange(const Json& v, std::optional<std::int32_t>& out, const std::string& key, Fault fault) {
  // A number beyond the bounds is refused here rather than cut to 32 bits.
  const bool fits = v.is_number_unsigned()
                        ? v.get<std::uint64_t>() <= std::uint64_t{RangeBound}
                        : v.is_number_integer() && v.get<std::int64_t>() >= -RangeBound &&
                              v.get<std::int64_t>() <= RangeBound;
  if (!fits) fault(FieldRefusal(key, NotARangeNumber()));
  out = static_cast<std::int32_t>(v.get<std::int64_t>());
}
template <class Fault>
void ReadRange(const Json& v, std::optional<bool>& out, const std::string& key, Fault fault) {
  if (!v.is_boolean()) fault(FieldRefusal(key, MustBeTrueOrFalse()));
  out = v.get<bool>();
}
template <class Fault>
void ReadRange(const Json& v, std::optional<IntRange>& out, const std::string& key, Fault fault) {
  const auto pairFault = [&](const std::string&) {
    //: After the key of a range; lo and hi stand for its start and end.
    fault(FieldRefusal(key, Fill(translate("Worksheets", "must be a pair [lo, hi] of whole numbers "
                                                         "from %1 to %2"),
                                 {std::to_string(-RangeBound), std::to_string(RangeBound)})));
  };
  if (!v.is_array() || v.size() != 2) pairFault({});
  std::optional<std::int32_t> lo, hi;
  ReadRange(v[0], lo, key, pairFault);
  ReadRange(v[1], hi, key, pairFault);
  out = IntRange{*lo, *hi};
}

// A problem's "ranges": the fields its kind has, by their keys. Every refusal is of the
// field "ranges", its reason naming the range at fault; ranges that cannot hold are refused
// as the ranges dialog refuses them.
Ranges ReadRanges(const Json& value, const ProblemParams& params, const Refuser& refuse,
                  const Place& at) {
  const auto fault = [&](const std::string& reason) { refuse.Field(at, "ranges", reason); };
  if (!value.is_object()) fault(MustBeObject());
  Ranges ranges;
  std::set<std::string, std::less<>> known;
  ForEachRangeField([&](std::string_view key, auto field) {
    known.emplace(key);
    const auto it = value.find(std::string(key));
    if (it != value.end()) ReadRange(*it, ranges.*field, std::string(key), fault);
  });
  for (auto it = value.begin(); it != value.end(); ++it)
    if (!known.count(it.key()))
      fault(FieldRefusal(it.key(), translate("Worksheets", "is not a field of ranges")));
  if (const std::optional<RangeRefusal> refusal = CheckRanges(params, ranges))
    fault(RefusalText(*refusal));
  return ranges;
}

SheetProblem ReadProblem(const Json& value, const Refuser& refuse, const Place& at) {
  Fields fields(value, refuse, at, {});
  const Json& kindValue = fields.Need("kind");
  const std::string kind = fields.Text("kind", kindValue);
  std::optional<ProblemParams> params = ParamsOfKind(kind);
  //: %1 is the kind the file names.
  if (!params)
    refuse.Field(at, "kind", Fill(translate("Worksheets", "\"%1\" is not a kind of problem"), {kind}));
  const bool isText = std::holds_alternative<TextParams>(*params);

  const Json* paramsValue = fields.Find("params");
  if (paramsValue || !isText) {
    Fields paramFields(paramsValue ? *paramsValue : fields.Need("params"), refuse, at, "params");
    ParamsIn in(paramFields);
    std::visit([&](auto& p) { ParamFields(in, p); }, *params);
    //: %1 is the kind of the problem, as the file names it.
    paramFields.NoOthers(Fill(translate("Worksheets", "is not a field of the params of %1"), {kind}));
  }

  SheetProblem problem{*params, {}, false, {}};
  if (const Json* ranges = fields.Find("ranges"))
    problem.ranges = ReadRanges(*ranges, problem.params, refuse, at);
  const Json* question = fields.Find("question");
  const Json* answer = fields.Find("answer");
  if (question) problem.texts.Enun = fields.Text("question", *question);
  if (answer) problem.texts.Resp = fields.Text("answer", *answer);
  if (const Json* working = fields.Find("working")) {
    if (!working->is_boolean()) refuse.Field(at, "working", MustBeTrueOrFalse());
    problem.working = working->get<bool>();
  }
  fields.NoOthers(translate("Worksheets", "is not a field of a problem"));

  if (isText) {
    const std::string missing = translate("Worksheets", "is missing (a text problem has only its texts)");
    if (!question) refuse.Field(at, "question", missing);
    if (!answer) refuse.Field(at, "answer", missing);
    return problem;
  }
  // The params are checked even when both texts are there: a sheet holds no problem its
  // window would refuse.
  const MadeProblem made = MakeProblem(problem.params);
  if (!made.texts) refuse.Field(at, made.field, made.reason);
  if (!question) problem.texts.Enun = made.texts->Enun;
  if (!answer) problem.texts.Resp = made.texts->Resp;
  return problem;
}

std::vector<SheetProblem> ReadProblems(const Json& value, const Refuser& refuse,
                                       const std::string& version) {
  if (!value.is_array()) refuse.Field({version, 0}, "problems", MustBeList());
  std::vector<SheetProblem> problems;
  problems.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i)
    problems.push_back(ReadProblem(value[i], refuse, {version, i + 1}));
  return problems;
}

std::vector<SheetVersion> ReadVersions(const Json& value, const Refuser& refuse) {
  if (!value.is_array()) refuse.Field({}, "versions", MustBeList());
  std::vector<SheetVersion> versions;
  std::set<std::string> codes;
  for (const Json& item : value) {
    Fields fields(item, refuse, {}, "versions");
    std::string code = fields.Text("code", fields.Need("code"));
    if (code.size() != 1 || code[0] < 'A' || code[0] > 'Z') {
      //: %1 is the code the file gives; %2 and %3 are A and Z.
      const std::string reason = translate("Worksheets", "\"%1\" must be one capital letter %2 to %3");
      refuse.Field({}, "code", Fill(reason, {code, "A", "Z"}));
    }
    if (!codes.insert(code).second) {
      //: %1 is a version's code.
      const std::string reason = translate("Worksheets", "version %1 is there twice");
      refuse.Field({}, "code", Fill(reason, {code}));
    }
    versions.push_back({code, ReadProblems(fields.Need("problems"), refuse, code)});
    fields.NoOthers(translate("Worksheets", "is not a field of a version"));
  }
  return versions;
}

Worksheet ReadWorksheet(const Json& root, const Refuser& refuse) {
  if (!root.is_object())
    refuse.Whole(translate("Worksheets", "not a Tessaro worksheet (no { ... } around it)"));
  Fields fields(root, refuse, {}, "sheet");
  const Json* format = fields.Find("format");
  if (!format || !format->is_string() || format->get<std::string>() != SheetFormat)
    //: %1 is the key format, %2 the value it must have; both as the file writes them.
    refuse.Whole(Fill(translate("Worksheets", "not a Tessaro worksheet (field \"%1\" must be \"%2\")"),
                      {"format", SheetFormat}));
  // The parser keeps every number without a sign as unsigned.
  const Json& version = fields.Need("version");
  if (!version.is_number_unsigned() || version.get<std::uint64_t>() < 1) {
    //: %1 is 1, the first version of the file's form.
    const std::string reason = translate("Worksheets", "must be a whole number from %1");
    refuse.Field({}, "version", Fill(reason, {"1"}));
  }
  if (version.get<std::uint64_t>() > static_cast<std::uint64_t>(SheetFileVersion)) {
    //: %1 is the newest version of the file's form the program reads.
    const std::string reason = translate("Worksheets", "the file is of a newer version than this "
                                                       "program reads (%1); a newer Tessaro opens it");
    refuse.Field({}, "version", Fill(reason, {std::to_string(SheetFileVersion)}));
  }

  Worksheet sheet;
  if (const Json* v = fields.Find("title")) sheet.title = fields.Text("title", *v);
  if (const Json* v = fields.Find("instructions"))
    sheet.instructions = fields.Text("instructions", *v);
  if (const Json* v = fields.Find("columns")) {
    if (!v->is_number_integer() || (*v != 1 && *v != 2)) {
      //: %1 and %2 are the numbers of columns a sheet may have, 1 and 2.
      const std::string reason = translate("Worksheets", "must be %1 or %2");
      refuse.Field({}, "columns", Fill(reason, {"1", "2"}));
    }
    sheet.columns = v->get<int>();
  }
  if (const Json* v = fields.Find("key")) {
    const std::optional<KeyPlacement> key =
        v->is_string() ? KeyOfName(v->get<std::string>()) : std::nullopt;
    if (!key) {
      //: %1, %2 and %3 are the values the file may give, as it writes them.
      const std::string reason = translate("Worksheets", "must be \"%1\", \"%2\" or \"%3\"");
      refuse.Field({}, "key", Fill(reason, {KeyName(KeyPlacement::Separate),
                                            KeyName(KeyPlacement::Embedded),
                                            KeyName(KeyPlacement::None)}));
    }
    sheet.key = *key;
  }
  if (const Json* v = fields.Find("seed")) {
    if (!v->is_number_unsigned())
      refuse.Field({}, "seed", Fill(translate("Ranges", "must be a whole number from %1 to %2"),
                                    {"0", "18446744073709551615"}));
    sheet.seed = v->get<std::uint64_t>();
  }
  if (const Json* v = fields.Find("page")) {
    const std::optional<PageSize> page =
        v->is_string() ? PageOfName(v->get<std::string>()) : std::nullopt;
    if (!page) {
      //: %1 and %2 are the values the file may give, as it writes them.
      const std::string reason = translate("Worksheets", "must be \"%1\" or \"%2\"");
      refuse.Field({}, "page", Fill(reason, {PageName(PageSize::A4), PageName(PageSize::Letter)}));
    }
    sheet.page = *page;
  }
  sheet.problems = ReadProblems(fields.Need("problems"), refuse, {});
  if (const Json* v = fields.Find("versions")) sheet.versions = ReadVersions(*v, refuse);
  fields.NoOthers(translate("Worksheets", "is not a field of a worksheet"));
  return sheet;
}

OrderedJson RangeJson(std::int32_t v) { return v; }
OrderedJson RangeJson(bool v) { return v; }
OrderedJson RangeJson(const IntRange& v) { return OrderedJson::array({v.lo, v.hi}); }

// Only the fields the teacher set; none when all take their defaults.
OrderedJson RangesJson(const Ranges& ranges) {
  OrderedJson out = OrderedJson::object();
  ForEachRangeField([&](std::string_view key, auto field) {
    if (const auto& v = ranges.*field) out[std::string(key)] = RangeJson(*v);
  });
  return out;
}

OrderedJson ProblemJson(const SheetProblem& p) {
  OrderedJson out = OrderedJson::object();
  out["kind"] = KindName(p.params);
  ParamsOut params;
  std::visit([&](const auto& v) { ParamFields(params, v); }, p.params);
  out["params"] = std::move(params.json);
  if (OrderedJson ranges = RangesJson(p.ranges); !ranges.empty()) out["ranges"] = std::move(ranges);
  out["question"] = p.texts.Enun;
  out["answer"] = p.texts.Resp;
  out["working"] = p.working;
  return out;
}

OrderedJson ProblemsJson(const std::vector<SheetProblem>& problems) {
  OrderedJson list = OrderedJson::array();
  for (const SheetProblem& p : problems) list.push_back(ProblemJson(p));
  return list;
}

}  // namespace

SheetRead ParseSheet(std::string_view bytes, const std::string& fileName) {
  const Refuser refuse(fileName);
  SheetRead read;
  try {
    if (bytes.size() > MaxSheetBytes)
      //: %1 is the largest size read, in megabytes.
      refuse.Whole(Fill(translate("Worksheets", "larger than %1 MB: not a worksheet"),
                        {std::to_string(MaxSheetBytes / (1024 * 1024))}));
    Json root;
    try {
      root = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
      //: %1 is UTF-8, %2 the place of the fault, counted in bytes.
      refuse.Whole(Fill(translate("Worksheets", "not a worksheet: not JSON text in %1 (at byte %2)"),
                        {"UTF-8", std::to_string(e.byte)}));
    } catch (const Json::exception&) {
      // A number beyond what a double holds, 1e400: JSON, but no sheet has one.
      refuse.Whole(translate("Worksheets", "not a worksheet: it holds a number too large to read"));
    }
    read.sheet = ReadWorksheet(root, refuse);
  } catch (const Refused& r) {
    read.sheet.reset();
    read.error = r.message;
  }
  return read;
}

SheetRead ReadSheet(const std::string& path) {
  const std::optional<std::string> bytes = ReadWholeFile(path);
  //: %1 is the name of the file.
  if (!bytes) return {std::nullopt, Fill(translate("Messages", "Cannot open file %1"), {path})};
  return ParseSheet(*bytes, path);
}

std::string SheetJson(const Worksheet& sheet) {
  OrderedJson root = OrderedJson::object();
  root["format"] = SheetFormat;
  root["version"] = SheetFileVersion;
  root["title"] = sheet.title;
  root["instructions"] = sheet.instructions;
  root["columns"] = sheet.columns;
  root["key"] = KeyName(sheet.key);
  root["seed"] = sheet.seed;
  if (sheet.page != PageSize::FromLocale) root["page"] = PageName(sheet.page);
  root["problems"] = ProblemsJson(sheet.problems);
  if (!sheet.versions.empty()) {
    OrderedJson versions = OrderedJson::array();
    for (const SheetVersion& v : sheet.versions)
      versions.push_back({{"code", v.code}, {"problems", ProblemsJson(v.problems)}});
    root["versions"] = std::move(versions);
  }
  // Texts the program made are UTF-8; a byte that is not would stand as U+FFFD rather
  // than make a file no reader takes.
  const std::string text = root.dump(2, ' ', false, OrderedJson::error_handler_t::replace);
  // The dump escapes every CR and LF inside a string: its own line ends are the only ones.
  return CrLfLines(text) + "\r\n";
}

bool WriteSheet(const std::string& path, const Worksheet& sheet) {
  return ReplaceFile(path, SheetJson(sheet));
}

}  // namespace tessaro

#include "worksheets/sheetfile.h"

#include "textfile/textfile.h"
#include "worksheets/rangesform.h"

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
    if (!at.version.empty()) add("version " + at.version);
    if (at.problem > 0) add("problem " + std::to_string(at.problem));
    if (!field.empty()) add("field \"" + std::string(field) + "\"");
    throw Refused{file_ + ": " + (where.empty() ? "" : where + ": ") + std::string(reason)};
  }
  [[noreturn]] void Whole(std::string_view reason) const {
    throw Refused{file_ + ": " + std::string(reason)};
  }

 private:
  const std::string& file_;
};

std::size_t Characters(const std::string& utf8) {
  std::size_t n = 0;
  for (unsigned char c : utf8) n += (c & 0xC0) != 0x80;
  return n;
}

// The fields of an object that were read; any other is refused, so a misspelt field
// never passes unnoticed.
class Fields {
 public:
  // `field` names the object in a refusal; empty for a problem or a version, which the
  // place names.
  Fields(const Json& object, const Refuser& refuse, Place at, std::string_view field)
      : object_(object), refuse_(refuse), at_(at) {
    if (!object.is_object()) refuse_.Field(at_, field, "must be an object { ... }");
  }

  const Json* Find(const char* name) {
    seen_.insert(name);
    auto it = object_.find(name);
    return it == object_.end() ? nullptr : &*it;
  }
  const Json& Need(const char* name) {
    const Json* found = Find(name);
    if (!found) refuse_.Field(at_, name, "is missing");
    return *found;
  }

  std::string Text(const char* name, const Json& value) const {
    if (!value.is_string()) refuse_.Field(at_, name, "must be a text in double quotes");
    return value.get<std::string>();
  }
  std::int64_t Integer(const char* name, const Json& value, std::int64_t lo, std::int64_t hi) const {
    const std::string range = " from " + std::to_string(lo) + " to " + std::to_string(hi);
    if (!value.is_number_integer()) refuse_.Field(at_, name, "must be an integer" + range);
    if (value.is_number_unsigned() &&
        value.get<std::uint64_t>() > static_cast<std::uint64_t>(hi))
      refuse_.Field(at_, name, "must be an integer" + range);
    const std::int64_t v = value.get<std::int64_t>();
    if (v < lo || v > hi) refuse_.Field(at_, name, "must be an integer" + range);
    return v;
  }

  // Refuses the first field no reader asked for.
  void NoOthers(std::string_view of) const {
    for (auto it = object_.begin(); it != object_.end(); ++it)
      if (!seen_.count(it.key()))
        refuse_.Field(at_, it.key(), "is not a field of " + std::string(of));
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
      if (!list[i].is_number_integer()) Item(name, i, "must be an integer");
      out.push_back(static_cast<std::int32_t>(f_.Integer(name, list[i], Int32Min, Int32Max)));
    }
  }
  void Texts(const char* name, std::vector<std::string>& out) {
    const Json& list = List(name);
    out.clear();
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (!list[i].is_string()) Item(name, i, "must be a text in double quotes");
      out.push_back(Checked(name, list[i]));
    }
  }

 private:
  const Json& List(const char* name) {
    const Json& list = f_.Need(name);
    if (!list.is_array()) f_.Refuse().Field(f_.At(), name, "must be a list [ ... ]");
    return list;
  }
  [[noreturn]] void Item(const char* name, std::size_t i, const std::string& reason) {
    f_.Refuse().Field(f_.At(), name, "item " + std::to_string(i + 1) + " " + reason);
  }
  std::string Checked(const char* name, const Json& value) {
    std::string text = f_.Text(name, value);
    if (Characters(text) > MaxParamText)
      f_.Refuse().Field(f_.At(), name,
                        "is longer than " + std::to_string(MaxParamText) + " characters");
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
  if (!fits) fault(key + " " + std::string(NotARangeNumber));
  out = static_cast<std::int32_t>(v.get<std::int64_t>());
}
template <class Fault>
void ReadRange(const Json& v, std::optional<bool>& out, const std::string& key, Fault fault) {
  if (!v.is_boolean()) fault(key + " must be true or false");
  out = v.get<bool>();
}
template <class Fault>
void ReadRange(const Json& v, std::optional<IntRange>& out, const std::string& key, Fault fault) {
  const auto pairFault = [&](const std::string&) {
    fault(key + " must be a pair [lo, hi] of whole numbers from -2147483646 to 2147483646");
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
  if (!value.is_object()) fault("must be an object { ... }");
  Ranges ranges;
  std::set<std::string, std::less<>> known;
  ForEachRangeField([&](std::string_view key, auto field) {
    known.emplace(key);
    const auto it = value.find(std::string(key));
    if (it != value.end()) ReadRange(*it, ranges.*field, std::string(key), fault);
  });
  for (auto it = value.begin(); it != value.end(); ++it)
    if (!known.count(it.key())) fault(it.key() + " is not a field of ranges");
  if (const std::optional<RangeRefusal> refusal = CheckRanges(params, ranges))
    fault(RefusalText(*refusal));
  return ranges;
}

SheetProblem ReadProblem(const Json& value, const Refuser& refuse, const Place& at) {
  Fields fields(value, refuse, at, {});
  const Json& kindValue = fields.Need("kind");
  const std::string kind = fields.Text("kind", kindValue);
  std::optional<ProblemParams> params = ParamsOfKind(kind);
  if (!params) refuse.Field(at, "kind", "\"" + kind + "\" is not a kind of problem");
  const bool isText = std::holds_alternative<TextParams>(*params);

  const Json* paramsValue = fields.Find("params");
  if (paramsValue || !isText) {
    Fields paramFields(paramsValue ? *paramsValue : fields.Need("params"), refuse, at, "params");
    ParamsIn in(paramFields);
    std::visit([&](auto& p) { ParamFields(in, p); }, *params);
    paramFields.NoOthers("the params of " + kind);
  }

  SheetProblem problem{*params, {}, false, {}};
  if (const Json* ranges = fields.Find("ranges"))
    problem.ranges = ReadRanges(*ranges, problem.params, refuse, at);
  const Json* question = fields.Find("question");
  const Json* answer = fields.Find("answer");
  if (question) problem.texts.Enun = fields.Text("question", *question);
  if (answer) problem.texts.Resp = fields.Text("answer", *answer);
  if (const Json* working = fields.Find("working")) {
    if (!working->is_boolean()) refuse.Field(at, "working", "must be true or false");
    problem.working = working->get<bool>();
  }
  fields.NoOthers("a problem");

  if (isText) {
    if (!question) refuse.Field(at, "question", "is missing (a text problem has only its texts)");
    if (!answer) refuse.Field(at, "answer", "is missing (a text problem has only its texts)");
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
  if (!value.is_array()) refuse.Field({version, 0}, "problems", "must be a list [ ... ]");
  std::vector<SheetProblem> problems;
  problems.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i)
    problems.push_back(ReadProblem(value[i], refuse, {version, i + 1}));
  return problems;
}

std::vector<SheetVersion> ReadVersions(const Json& value, const Refuser& refuse) {
  if (!value.is_array()) refuse.Field({}, "versions", "must be a list [ ... ]");
  std::vector<SheetVersion> versions;
  std::set<std::string> codes;
  for (const Json& item : value) {
    Fields fields(item, refuse, {}, "versions");
    std::string code = fields.Text("code", fields.Need("code"));
    if (code.size() != 1 || code[0] < 'A' || code[0] > 'Z')
      refuse.Field({}, "code", "\"" + code + "\" must be one capital letter A to Z");
    if (!codes.insert(code).second)
      refuse.Field({}, "code", "version " + code + " is there twice");
    versions.push_back({code, ReadProblems(fields.Need("problems"), refuse, code)});
    fields.NoOthers("a version");
  }
  return versions;
}

Worksheet ReadWorksheet(const Json& root, const Refuser& refuse) {
  if (!root.is_object()) refuse.Whole("not a Tessaro worksheet (no { ... } around it)");
  Fields fields(root, refuse, {}, "sheet");
  const Json* format = fields.Find("format");
  if (!format || !format->is_string() || format->get<std::string>() != SheetFormat)
    refuse.Whole("not a Tessaro worksheet (field \"format\" must be \"" +
                 std::string(SheetFormat) + "\")");
  // The parser keeps every number without a sign as unsigned.
  const Json& version = fields.Need("version");
  if (!version.is_number_unsigned() || version.get<std::uint64_t>() < 1)
    refuse.Field({}, "version", "must be a whole number from 1");
  if (version.get<std::uint64_t>() > static_cast<std::uint64_t>(SheetFileVersion))
    refuse.Field({}, "version",
                 "the file is of a newer version than this program reads (" +
                     std::to_string(SheetFileVersion) + "); a newer Tessaro opens it");

  Worksheet sheet;
  if (const Json* v = fields.Find("title")) sheet.title = fields.Text("title", *v);
  if (const Json* v = fields.Find("instructions"))
    sheet.instructions = fields.Text("instructions", *v);
  if (const Json* v = fields.Find("columns")) {
    if (!v->is_number_integer() || (*v != 1 && *v != 2))
      refuse.Field({}, "columns", "must be 1 or 2");
    sheet.columns = v->get<int>();
  }
  if (const Json* v = fields.Find("key")) {
    const std::optional<KeyPlacement> key =
        v->is_string() ? KeyOfName(v->get<std::string>()) : std::nullopt;
    if (!key) refuse.Field({}, "key", "must be \"separate\", \"embedded\" or \"none\"");
    sheet.key = *key;
  }
  if (const Json* v = fields.Find("seed")) {
    if (!v->is_number_unsigned())
      refuse.Field({}, "seed", "must be a whole number from 0 to 18446744073709551615");
    sheet.seed = v->get<std::uint64_t>();
  }
  if (const Json* v = fields.Find("page")) {
    const std::optional<PageSize> page =
        v->is_string() ? PageOfName(v->get<std::string>()) : std::nullopt;
    if (!page) refuse.Field({}, "page", "must be \"a4\" or \"letter\"");
    sheet.page = *page;
  }
  sheet.problems = ReadProblems(fields.Need("problems"), refuse, {});
  if (const Json* v = fields.Find("versions")) sheet.versions = ReadVersions(*v, refuse);
  fields.NoOthers("a worksheet");
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
      refuse.Whole("larger than " + std::to_string(MaxSheetBytes / (1024 * 1024)) +
                   " MB: not a worksheet");
    Json root;
    try {
      root = Json::parse(bytes);
    } catch (const Json::parse_error& e) {
      refuse.Whole("not a worksheet: not JSON text in UTF-8 (at byte " + std::to_string(e.byte) +
                   ")");
    } catch (const Json::exception&) {
      // A number beyond what a double holds, 1e400: JSON, but no sheet has one.
      refuse.Whole("not a worksheet: it holds a number too large to read");
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
  if (!bytes) return {std::nullopt, "Cannot open file " + path};
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
  std::string out;
  out.reserve(text.size() + text.size() / 8);
  for (char c : text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  out += "\r\n";
  return out;
}

bool WriteSheet(const std::string& path, const Worksheet& sheet) {
  return ReplaceFile(path, SheetJson(sheet));
}

}  // namespace tessaro

#include "worksheets/renewsheet.h"

#include <variant>

namespace tessaro {

namespace {

std::vector<RenewalInput> InputsOf(const std::vector<SheetProblem>& problems) {
  std::vector<RenewalInput> inputs;
  inputs.reserve(problems.size());
  for (const SheetProblem& p : problems) inputs.push_back({p.params, p.ranges});
  return inputs;
}

}  // namespace

bool TextsEdited(const SheetProblem& problem) {
  if (std::holds_alternative<TextParams>(problem.params)) return false;
  const MadeProblem made = MakeProblem(problem.params);
  // Params no window takes are not in a sheet that was read; if they were, what stands
  // there is all the teacher has.
  return !made.texts || *made.texts != problem.texts;
}

Renewal RenewProblem(const Worksheet& sheet, std::size_t index, std::uint64_t seed) {
  const SheetProblem& p = sheet.problems.at(index);
  Stream stream(StreamSeed(seed, 0, static_cast<std::uint32_t>(index)));
  return Renew(p.params, p.ranges, stream);
}

SheetProblem Renewed(const SheetProblem& problem, const Renewal& renewal) {
  SheetProblem out = problem;
  if (renewal.outcome == RenewOutcome::Renewed) {
    out.params = renewal.params;
    out.texts = renewal.texts;
  }
  return out;
}

SheetDraw WithNewNumbers(const Worksheet& sheet, std::uint64_t seed) {
  const std::vector<Renewal> renewals = RenewAll(InputsOf(sheet.problems), seed);
  SheetDraw out;
  Worksheet renewed = sheet;
  renewed.seed = seed;
  for (std::size_t i = 0; i < renewals.size(); ++i) {
    if (renewals[i].outcome == RenewOutcome::Refused) {
      out.refusal = ProblemRefusal(static_cast<int>(i) + 1, renewals[i].message);
      out.refusedProblem = static_cast<int>(i);
      return out;
    }
    renewed.problems[i] = Renewed(sheet.problems[i], renewals[i]);
  }
  out.sheet = std::move(renewed);
  return out;
}

SheetDraw WithVersions(const Worksheet& sheet, int count, std::uint64_t seed) {
  Versions made = MakeVersions(InputsOf(sheet.problems), count, seed);
  SheetDraw out;
  if (made.versions.empty()) {
    out.refusal = std::move(made.refusal);
    out.refusedProblem = made.refusedProblem;
    return out;
  }
  Worksheet withVersions = sheet;
  withVersions.seed = seed;
  withVersions.versions.clear();
  for (const Version& v : made.versions) {
    SheetVersion version{v.code, {}};
    version.problems.reserve(v.problems.size());
    for (std::size_t i = 0; i < v.problems.size(); ++i) {
      // The ranges belong to the sheet's own problem: a version is drawn, not drawn from.
      SheetProblem p = Renewed(sheet.problems[i], v.problems[i]);
      p.ranges = {};
      version.problems.push_back(std::move(p));
    }
    withVersions.versions.push_back(std::move(version));
  }
  out.sheet = std::move(withVersions);
  return out;
}

std::string VersionSpan(const std::vector<SheetVersion>& versions) {
  if (versions.empty()) return {};
  if (versions.size() == 1) return versions.front().code;
  return SpanText(versions.front().code, versions.back().code);
}

}  // namespace tessaro

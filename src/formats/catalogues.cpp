#include "formats/catalogues.hpp"

#include "core/field_stream.hpp"
#include "core/text_file.hpp"

namespace brelosta {
namespace {

constexpr std::size_t kDatumFields = 13;
constexpr std::size_t kEllipsoidFields = 4;

CatalogueKey keyOf(const Field& field) {
  return field.isNumber() ? CatalogueKey{true, field.number, std::string(field.text)}
                          : CatalogueKey{false, 0.0, std::string(field.text)};
}

// A numeric field of a catalogue line: a number, or nothing written (0).
bool readNumber(const Field& field, double& value) {
  if (field.type == Field::Type::Text) return false;
  value = field.number;
  return true;
}

std::optional<Datum> parseDatum(std::string_view line, std::vector<Field>& fields) {
  splitFields(line, fields);
  if (fields.size() != kDatumFields) return std::nullopt;
  Datum datum;
  datum.name = fields[0].text;
  datum.ellipsoidKey = keyOf(fields[1]);
  datum.parameterCode = fields[2].text;
  for (std::size_t k = 0; k < datum.parameters.size(); ++k)
    if (!readNumber(fields[3 + k], datum.parameters[k])) return std::nullopt;
  return datum;
}

std::optional<Ellipsoid> parseEllipsoid(std::string_view line, std::vector<Field>& fields) {
  splitFields(line, fields);
  if (fields.size() != kEllipsoidFields || fields[0].empty()) return std::nullopt;
  Ellipsoid ellipsoid;
  ellipsoid.key = keyOf(fields[0]);
  ellipsoid.name = fields[1].text;
  if (!readNumber(fields[2], ellipsoid.semiMajorAxis) || !readNumber(fields[3], ellipsoid.inverseFlattening))
    return std::nullopt;
  return ellipsoid;
}

}  // namespace

std::string_view catalogueFailureMessage(CatalogueFailure failure) {
  switch (failure) {
    case CatalogueFailure::DatumFileMissing:
      return "No se encontró datum.txt";
    case CatalogueFailure::DatumFileMalformed:
      return "Error en el archivo datum.txt";
    case CatalogueFailure::EllipsoidFileFailed:
      return "Error en el archivo elipsoide.txt";
  }
  return {};
}

std::optional<DatumCatalogue> parseDatumCatalogue(std::string_view text) {
  const auto lines = splitLines(text);
  if (lines.size() > kMaxDatumLines) return std::nullopt;
  DatumCatalogue datums;
  std::vector<Field> fields;
  for (std::string_view line : lines) {
    if (!line.starts_with('"')) {
      datums.emplace_back();
      continue;
    }
    auto datum = parseDatum(line, fields);
    if (!datum) return std::nullopt;
    datums.push_back(std::move(datum));
  }
  return datums;
}

std::optional<EllipsoidCatalogue> parseEllipsoidCatalogue(std::string_view text) {
  const auto lines = splitLines(text);
  if (lines.size() > kMaxEllipsoids) return std::nullopt;
  EllipsoidCatalogue ellipsoids;
  std::vector<Field> fields;
  for (std::string_view line : lines) {
    auto ellipsoid = parseEllipsoid(line, fields);
    if (!ellipsoid) return std::nullopt;
    ellipsoids.push_back(std::move(ellipsoid));
  }
  return ellipsoids;
}

std::variant<Catalogues, CatalogueFailure> readCatalogues(const std::filesystem::path& folder) {
  const auto datumText = readTextFile(folder / "datum.txt");
  if (!datumText) return CatalogueFailure::DatumFileMissing;
  auto datums = parseDatumCatalogue(*datumText);
  if (!datums) return CatalogueFailure::DatumFileMalformed;

  const auto ellipsoidText = readTextFile(folder / "elipsoide.txt");
  if (!ellipsoidText) return CatalogueFailure::EllipsoidFileFailed;
  auto ellipsoids = parseEllipsoidCatalogue(*ellipsoidText);
  if (!ellipsoids) return CatalogueFailure::EllipsoidFileFailed;
  return Catalogues{std::move(*datums), std::move(*ellipsoids)};
}

const Ellipsoid* ellipsoidOf(const EllipsoidCatalogue& ellipsoids, const CatalogueKey& key) {
  const Ellipsoid* match = nullptr;
  for (const auto& ellipsoid : ellipsoids)
    if (ellipsoid && ellipsoid->key == key) match = &*ellipsoid;
  return match;
}

}  // namespace brelosta

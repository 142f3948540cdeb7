// The text model parser: the file line by line with formatted-input number rules (%i takes
// decimal, 010 octal and 0x hexadecimal), every count and index checked against the text,
// then face and vertex normals.
#include "assets/MeshModel.h"

#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {

// With the file's normals, corners are assigned their normals through 16-bit indices.
const std::int64_t maxNormalAssignIndex = 32767;

// A position inside one line, read the way sscanf reads a format.
class Fields {
 public:
  Fields(const std::string& line, std::size_t number) : line_(line), number_(number) {}

  // %i: a signed integer in decimal, octal (leading 0) or hexadecimal (leading 0x).
  bool integer(std::int64_t& value) {
    skipBlanks();
    const char* start = line_.c_str() + pos_;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(start, &end, 0);
    if (end == start) {
      return false;
    }
    pos_ += static_cast<std::size_t>(end - start);
    overflow_ = overflow_ || errno == ERANGE || v > INT32_MAX || v < INT32_MIN;
    value = v;
    return true;
  }

  // %f: a decimal float.
  bool real(float& value) {
    skipBlanks();
    const char* start = line_.c_str() + pos_;
    char* end = nullptr;
    const float v = std::strtof(start, &end);
    if (end == start) {
      return false;
    }
    pos_ += static_cast<std::size_t>(end - start);
    overflow_ = overflow_ || !std::isfinite(v);
    value = v;
    return true;
  }

  // %s: a word up to the next blank. A word that opens with a double quote runs to the
  // closing one, so quoted names may hold blanks.
  bool word() {
    skipBlanks();
    if (pos_ >= line_.size()) {
      return false;
    }
    if (line_[pos_] == '"') {
      const std::size_t close = line_.find('"', pos_ + 1);
      if (close != std::string::npos) {
        pos_ = close + 1;
        return true;
      }
    }
    while (pos_ < line_.size() && !std::isspace(static_cast<unsigned char>(line_[pos_]))) {
      ++pos_;
    }
    return true;
  }

  bool outOfRange() const { return overflow_; }
  std::size_t number() const { return number_; }

 private:
  void skipBlanks() {
    while (pos_ < line_.size() && std::isspace(static_cast<unsigned char>(line_[pos_]))) {
      ++pos_;
    }
  }

  const std::string& line_;
  std::size_t number_;
  std::size_t pos_ = 0;
  bool overflow_ = false;
};

class Parser {
 public:
  Parser(const std::string& text, bool readNormals, std::string& error)
      : readNormals_(readNormals), error_(error) {
    splitLines(text);
  }

  std::unique_ptr<MeshModel> run();

 private:
  void splitLines(const std::string& text);
  // Each step returns false once the text is refused; error_ then says why.
  bool fail(std::size_t lineNumber, const std::string& reason);
  const std::string* next(const char* what);
  bool skip(std::size_t count, const char* what);
  bool count(Fields& fields, const char* what, std::size_t linesEach, std::uint32_t& n);
  bool singleCount(const char* what, std::size_t linesEach, std::uint32_t& n);
  bool numbers(Fields& fields, float* out, int n, const char* what);
  bool readModel(MeshModel& model);
  bool readObject(MeshObject& object);
  bool readVertices(MeshObject& object);
  bool readNormals(MeshObject& object);
  bool readFaces(MeshObject& object);
  bool readMaterial(MeshMaterial& material);
  bool checkCorner(const MeshObject& object, std::size_t lineNumber, std::int64_t vertex,
                   std::int64_t normal);
  bool countLine(const char* what, std::size_t linesEach, std::uint32_t& n);
  bool checkMaterialIndices(const MeshModel& model);

  bool readNormals_;
  std::string& error_;
  std::vector<std::string> lines_;
  std::size_t cursor_ = 0;                // index of the next line to read
  std::vector<std::size_t> objectLines_;  // the header line of each object, for messages
};

void Parser::splitLines(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      end = text.size();
    }
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    lines_.push_back(std::move(line));
    start = end + 1;
  }
}

bool Parser::fail(std::size_t lineNumber, const std::string& reason) {
  error_ = lineNumber == 0 ? reason : "line " + std::to_string(lineNumber) + ": " + reason;
  return false;
}

const std::string* Parser::next(const char* what) {
  if (cursor_ >= lines_.size()) {
    fail(0, lines_.empty()
                ? std::string("the file is empty")
                : "the file ends after line " + std::to_string(lines_.size()) + ", before " + what);
    return nullptr;
  }
  return &lines_[cursor_++];
}

bool Parser::skip(std::size_t n, const char* what) {
  for (std::size_t i = 0; i < n; ++i) {
    if (next(what) == nullptr) {
      return false;
    }
  }
  return true;
}

// A count that announces linesEach lines per item: refused when negative, not a number, or
// larger than the lines that are left, so nothing is allocated for lines that don't exist.
bool Parser::count(Fields& fields, const char* what, std::size_t linesEach, std::uint32_t& n) {
  std::int64_t value = 0;
  if (!fields.integer(value)) {
    return fail(fields.number(), std::string("the count of ") + what + " is not a number");
  }
  if (fields.outOfRange() || value < 0) {
    return fail(fields.number(), std::string("the count of ") + what + " is out of range");
  }
  const std::size_t left = lines_.size() - cursor_;
  if (static_cast<std::uint64_t>(value) * linesEach > left) {
    return fail(fields.number(), std::to_string(value) + " " + what + " announced, but only " +
                                     std::to_string(left) + " lines follow");
  }
  n = static_cast<std::uint32_t>(value);
  return true;
}

bool Parser::singleCount(const char* what, std::size_t linesEach, std::uint32_t& n) {
  const std::string* line = next(what);
  if (line == nullptr) {
    return false;
  }
  Fields fields(*line, cursor_);
  return count(fields, what, linesEach, n);
}

bool Parser::numbers(Fields& fields, float* out, int n, const char* what) {
  for (int i = 0; i < n; ++i) {
    if (!fields.real(out[i])) {
      return fail(fields.number(), std::string(what) + " needs " + std::to_string(n) + " numbers");
    }
  }
  if (fields.outOfRange()) {
    return fail(fields.number(), std::string(what) + " holds a number that is not finite");
  }
  return true;
}

// "%i %f %f %f %f %f %i": a discarded integer, x, y, z, u, v, and a discarded integer that
// may be missing.
bool Parser::readVertices(MeshObject& object) {
  if (!singleCount("vertices", 1, object.numVertices)) {
    return false;
  }
  object.vertices.resize(object.numVertices);
  object.texCoords.resize(object.numVertices);
  for (std::uint32_t i = 0; i < object.numVertices; ++i) {
    const std::string* line = next("a vertex");
    if (line == nullptr) {
      return false;
    }
    Fields fields(*line, cursor_);
    std::int64_t ignoreFlag = 0;
    float v[5];
    if (!fields.integer(ignoreFlag)) {
      return fail(fields.number(), "a vertex line must start with an integer");
    }
    if (!numbers(fields, v, 5, "a vertex line")) {
      return false;
    }
    object.vertices[i] = Vector3(v[0], v[1], v[2]);
    object.texCoords[i] = {v[3], v[4]};
  }
  return true;
}

bool Parser::readNormals(MeshObject& object) {
  std::uint32_t n = 0;
  if (!singleCount("normals", 1, n)) {
    return false;
  }
  if (!readNormals_) {
    return skip(n, "a normal");
  }
  object.numNormals = n;
  object.normals.resize(n);
  for (Vector3& normal : object.normals) {
    const std::string* line = next("a normal");
    if (line == nullptr) {
      return false;
    }
    Fields fields(*line, cursor_);
    float v[3];
    if (!numbers(fields, v, 3, "a normal line")) {
      return false;
    }
    normal = Vector3(v[0], v[1], v[2]);
  }
  return true;
}

// One corner's vertex and normal index, checked against the object.
bool Parser::checkCorner(const MeshObject& object, std::size_t lineNumber, std::int64_t vertex,
                         std::int64_t normal) {
  if (vertex < 0 || vertex >= object.numVertices) {
    return fail(lineNumber, "vertex index " + std::to_string(vertex) + " is out of range for " +
                                std::to_string(object.numVertices) + " vertices");
  }
  if (!readNormals_) {
    return true;
  }
  if (normal < 0 || normal >= object.numNormals) {
    return fail(lineNumber, "normal index " + std::to_string(normal) + " is out of range for " +
                                std::to_string(object.numNormals) + " normals");
  }
  if (vertex > maxNormalAssignIndex || normal > maxNormalAssignIndex) {
    return fail(lineNumber, "indices above 32767 can't take the file's normals");
  }
  return true;
}

// "%i %i %i %i %i %i %i %i": a discarded integer, three vertex indices, three normal indices,
// and a discarded integer that may be missing.
bool Parser::readFaces(MeshObject& object) {
  if (!singleCount("triangles", 1, object.numFaces)) {
    return false;
  }
  object.faceVertices.resize(object.numFaces);
  object.faceNormalIndices.resize(object.numFaces);
  for (std::uint32_t f = 0; f < object.numFaces; ++f) {
    const std::string* line = next("a triangle");
    if (line == nullptr) {
      return false;
    }
    Fields fields(*line, cursor_);
    std::int64_t v[7];
    for (std::int64_t& value : v) {
      if (!fields.integer(value)) {
        return fail(fields.number(), "a triangle line needs at least 7 integers");
      }
    }
    if (fields.outOfRange()) {
      return fail(fields.number(), "a triangle line holds an integer out of range");
    }
    for (int k = 0; k < 3; ++k) {
      if (!checkCorner(object, fields.number(), v[1 + k], v[4 + k])) {
        return false;
      }
      object.faceVertices[f][k] = static_cast<std::uint32_t>(v[1 + k]);
      object.faceNormalIndices[f][k] = static_cast<std::int32_t>(v[4 + k]);
    }
  }
  return true;
}

// normalized(cross(V[a] - V[b], V[b] - V[c])), so the corner order decides the direction.
void computeFaceNormals(MeshObject& object) {
  object.faceNormals.assign(object.numFaces, Vector3());
  for (std::uint32_t f = 0; f < object.numFaces; ++f) {
    const Vector3& a = object.vertices[object.faceVertices[f][0]];
    const Vector3& b = object.vertices[object.faceVertices[f][1]];
    const Vector3& c = object.vertices[object.faceVertices[f][2]];
    const Vector3 cross = crossProduct(a - b, b - c);
    const float len = length(cross);
    if (len != 0.0f && std::isfinite(len)) {
      object.faceNormals[f] = normalized(cross);
    }
  }
}

// The file's normals: every corner in file order sets its vertex's normal, the last one wins.
// The indices go through 16 bits, which the parser has made sure they fit.
void assignVertexNormals(MeshObject& object) {
  object.vertexNormals.assign(object.numVertices, Vector3());
  for (std::uint32_t f = 0; f < object.numFaces; ++f) {
    for (int k = 0; k < 3; ++k) {
      const auto vertex = static_cast<std::int16_t>(object.faceVertices[f][k]);
      const auto normal = static_cast<std::int16_t>(object.faceNormalIndices[f][k]);
      object.vertexNormals[vertex] = object.normals[normal];
    }
  }
}

// The average of the normals of the triangles that use a vertex (each triangle once), scaled
// to unit length unless it is zero. A vertex no triangle uses keeps (0, 0, 0).
void averageVertexNormals(MeshObject& object) {
  std::vector<Vector3> sum(object.numVertices);
  std::vector<std::uint32_t> faces(object.numVertices, 0);
  for (std::uint32_t f = 0; f < object.numFaces; ++f) {
    const auto& corners = object.faceVertices[f];
    for (int k = 0; k < 3; ++k) {
      const std::uint32_t i = corners[k];
      if ((k > 0 && corners[0] == i) || (k > 1 && corners[1] == i)) {
        continue;
      }
      sum[i] = sum[i] + object.faceNormals[f];
      ++faces[i];
    }
  }
  object.vertexNormals.assign(object.numVertices, Vector3());
  for (std::uint32_t i = 0; i < object.numVertices; ++i) {
    if (faces[i] == 0) {
      continue;
    }
    const float n = static_cast<float>(faces[i]);
    const Vector3 average(sum[i].x / n, sum[i].y / n, sum[i].z / n);
    object.vertexNormals[i] = length(average) != 0.0f ? normalized(average) : average;
  }
}

// Step 3 for one object: header, vertices, normals, triangles, then its normals.
bool Parser::readObject(MeshObject& object) {
  objectLines_.push_back(cursor_ + 1);
  const std::string* line = next("an object header");
  if (line == nullptr) {
    return false;
  }
  Fields header(*line, cursor_);
  std::int64_t flags = 0;
  std::int64_t materialIndex = 0;
  if (!header.word() || !header.integer(flags) || !header.integer(materialIndex)) {
    return fail(header.number(), "an object header needs a name and two integers");
  }
  if (header.outOfRange()) {
    return fail(header.number(), "an object header holds an integer out of range");
  }
  object.materialIndex = static_cast<std::int32_t>(materialIndex);
  if (!readVertices(object) || !readNormals(object) || !readFaces(object)) {
    return false;
  }
  computeFaceNormals(object);
  if (readNormals_) {
    assignVertexNormals(object);
  } else {
    averageVertexNormals(object);
  }
  return true;
}

// Step 5 for one material: name, four colours, two ignored lines, the quoted texture name,
// the alpha map line.
bool Parser::readMaterial(MeshMaterial& material) {
  if (next("a material name") == nullptr) {
    return false;
  }
  float* colours[4] = {material.ambient, material.diffuse, material.specular, material.emission};
  const char* names[4] = {"an ambient colour", "a diffuse colour", "a specular colour",
                          "an emission colour"};
  for (int i = 0; i < 4; ++i) {
    const std::string* line = next(names[i]);
    if (line == nullptr) {
      return false;
    }
    Fields fields(*line, cursor_);
    if (!numbers(fields, colours[i], 3, names[i])) {
      return false;
    }
  }
  if (!skip(2, "a texture name")) {
    return false;
  }
  const std::string* line = next("a texture name");
  if (line == nullptr) {
    return false;
  }
  std::size_t open = 0;
  while (open < line->size() && std::isspace(static_cast<unsigned char>((*line)[open]))) {
    ++open;
  }
  if (open >= line->size() || (*line)[open] != '"') {
    return fail(cursor_, "a texture name must be written in double quotes");
  }
  const std::size_t close = line->find('"', open + 1);
  if (close == std::string::npos) {
    return fail(cursor_, "a texture name has no closing double quote");
  }
  material.textureName = line->substr(open + 1, close - open - 1);
  return next("an alpha map name") != nullptr;
}

bool Parser::checkMaterialIndices(const MeshModel& model) {
  if (model.numMaterials == 0) {
    return true;  // such a model is drawn without materials
  }
  for (std::size_t i = 0; i < model.objects.size(); ++i) {
    const std::int32_t index = model.objects[i].materialIndex;
    if (index != -1 && (index < 0 || static_cast<std::uint32_t>(index) >= model.numMaterials)) {
      return fail(objectLines_[i], "material index " + std::to_string(index) +
                                       " is out of range for " +
                                       std::to_string(model.numMaterials) + " materials");
    }
  }
  return true;
}

// A count line: a word, then the count.
bool Parser::countLine(const char* what, std::size_t linesEach, std::uint32_t& n) {
  const std::string* line = next(what);
  if (line == nullptr) {
    return false;
  }
  Fields fields(*line, cursor_);
  if (!fields.word()) {
    return fail(fields.number(), std::string("the line of ") + what + " is empty");
  }
  return count(fields, what, linesEach, n);
}

// Steps 2 to 5.
bool Parser::readModel(MeshModel& model) {
  // Every object takes at least its header and three count lines, every material nine.
  if (!skip(5, "the object count") || !countLine("objects", 4, model.numObjects)) {
    return false;
  }
  model.objects.resize(model.numObjects);
  for (MeshObject& object : model.objects) {
    if (!readObject(object)) {
      return false;
    }
  }
  if (!skip(1, "the material count") || !countLine("materials", 9, model.numMaterials)) {
    return false;
  }
  model.materials.resize(model.numMaterials);
  for (MeshMaterial& material : model.materials) {
    if (!readMaterial(material)) {
      return false;
    }
  }
  return checkMaterialIndices(model);
}

std::unique_ptr<MeshModel> Parser::run() {
  auto model = std::make_unique<MeshModel>();
  try {
    if (!readModel(*model)) {
      return nullptr;
    }
  } catch (const std::bad_alloc&) {
    error_ = "not enough memory for the model";
    return nullptr;
  }
  return model;
}

}  // namespace

const MeshMaterial* MeshModel::materialOf(const MeshObject& object) const {
  if (object.materialIndex < 0 ||
      static_cast<std::uint32_t>(object.materialIndex) >= numMaterials) {
    return nullptr;
  }
  return &materials[static_cast<std::size_t>(object.materialIndex)];
}

std::unique_ptr<MeshModel> parseMeshModel(const std::string& text, bool readNormals,
                                          std::string& error) {
  error.clear();
  Parser parser(text, readNormals, error);
  return parser.run();
}

void freeMeshModel(MeshModel* model) {
  delete model;
}

#include "schema.h"

#include <array>

namespace volemo {
namespace {

constexpr std::array<const char*, 3> kSteps = {
    // 1: takes. Ids are never reused (AUTOINCREMENT), so a window's idea of
    // "the current take" cannot come to mean another after a deletion.
    R"(CREATE TABLE takes(
         id INTEGER PRIMARY KEY AUTOINCREMENT,
         created TEXT NOT NULL,
         operation TEXT NOT NULL,
         parent INTEGER REFERENCES takes(id) ON DELETE SET NULL,
         controls TEXT NOT NULL,
         scale TEXT NOT NULL,
         weights TEXT NOT NULL,
         pattern TEXT NOT NULL,
         mml TEXT NOT NULL,
         random_state INTEGER NOT NULL,
         starred INTEGER NOT NULL DEFAULT 0,
         name TEXT NOT NULL DEFAULT '');
       CREATE INDEX takes_by_parent ON takes(parent);
       CREATE INDEX takes_by_star ON takes(starred, id);)",
    // 2: presets, and the few options the program keeps.
    R"(CREATE TABLE presets(
         name TEXT PRIMARY KEY,
         scale TEXT NOT NULL,
         controls TEXT NOT NULL);
       CREATE TABLE options(
         key TEXT PRIMARY KEY,
         value TEXT NOT NULL);)",
    // 3: the line, parts, groove, meter and form settings of takes and
    // presets; empty for those made without them.
    R"(ALTER TABLE takes ADD COLUMN parts TEXT NOT NULL DEFAULT '';
       ALTER TABLE presets ADD COLUMN parts TEXT NOT NULL DEFAULT '';)",
};

}  // namespace

std::span<const char* const> SchemaSteps() { return kSteps; }

}  // namespace volemo

#include "ui_test_support.h"

#include <filesystem>
#include <fstream>

#include "cp932.h"
#include "program_dir.h"

namespace volemo::test {

std::string InProgramDir(const char* name) { return ProgramDir() + name; }

void WriteScaleFile(const QByteArray& contents) {
  std::ofstream file(InProgramDir("Scale.dat"), std::ios::binary | std::ios::trunc);
  file.write(contents.constData(), contents.size());
}

void CopyShippedScaleFile() {
  std::filesystem::copy_file(VOLEMO_SHIPPED_SCALE_FILE, InProgramDir("Scale.dat"),
                             std::filesystem::copy_options::overwrite_existing);
}

void RemoveScaleFile() { std::filesystem::remove(InProgramDir("Scale.dat")); }

std::string Cp932(const char* utf8) { return Cp932FromUtf8(utf8); }

}  // namespace volemo::test

// Rewrites the INI reference of the user guide from the program's table of settings:
//   update_user_guide docs/user-guide.md
#include <fstream>
#include <iostream>
#include <sstream>

#include "settings/ini_reference.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: update_user_guide <user-guide.md>\n";
    return 2;
  }
  std::stringstream text;
  {
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
      std::cerr << "cannot read " << argv[1] << "\n";
      return 1;
    }
    text << file.rdbuf();
  }
  const std::string updated = WithIniReference(text.str());
  if (updated == text.str()) return 0;
  std::ofstream(argv[1], std::ios::binary | std::ios::trunc) << updated;
  std::cout << "updated " << argv[1] << "\n";
  return 0;
}

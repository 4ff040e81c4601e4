#include <cstring>

#include "file_holder.h"
#include "matrix_roles.h"

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], matrix::kHoldFlag) == 0) return matrix::HoldFiles(argc - 2, argv + 2);
  return testing_support::RunTestsWithChildren(argc, argv, matrix::kChildFlag, "Child");
}

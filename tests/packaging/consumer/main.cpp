// A program outside the suite's build, linked against the installed package.
#include <Tethra.h>

#include <iostream>

int main() {
  TethraDummy();
  std::cout << "consumer: all libraries answered\n";
  return 0;
}

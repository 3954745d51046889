#include "app/Quorvane.h"

int main() { return Quorvane(); }

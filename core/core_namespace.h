// The namespace every function of the core is compiled in. It is inline, so
// callers never name it. A program that needs a second copy of the core
// beside the first (the fuzzer holds the x87 copy next to the software one)
// compiles that copy with QUORVEL_CORE_NAMESPACE defined to another name, and
// all of the copy's symbols move with it.
#pragma once

#ifndef QUORVEL_CORE_NAMESPACE
#define QUORVEL_CORE_NAMESPACE quorvel_core
#endif

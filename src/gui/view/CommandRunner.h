#pragma once

#include <functional>

// Runs a command the way every command runs: an open edit is stored first,
// and what the window shows is brought up to date afterwards.
using CommandRunner = std::function<void(const std::function<void()>&)>;

#pragma once

// Starts Varnex and returns its exit code: 0 after a normal end, 1 after a failure at
// start-up. It reads no arguments, environment variables or settings.
int VarnexMain(const char* programPath);

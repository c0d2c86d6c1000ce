// The higher subsystem of the layering probe; calling down is allowed.
int LowValue();
int HighValue() { return LowValue() + 1; }

// The lower subsystem of the layering probe.
int LowValue() { return 1; }

#ifdef PROBE_REVERSE
int HighValue();  // lives in the higher subsystem
int LowCallsUp() { return HighValue(); }
#endif

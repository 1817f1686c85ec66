int VersionProbe() { return 1; }

// Placeholder until the Qt layer lands.
int main() { return 0; }

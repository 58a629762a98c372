// velmoro-sim: placeholder until the engine lands.
int main() {
    return 2;
}

// The program that only exists to compile the shared precompiled headers of
// its kind (see precompiled.cmake); it is never built on its own or installed.
int main() {
    return 0;
}

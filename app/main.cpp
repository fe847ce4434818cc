#include "app/vextora_app.h"

int main(int argc, char** argv) {
    CVextoraApp app(argc, argv);
    return app.Run();
}

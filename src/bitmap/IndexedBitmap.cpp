// Placeholder until the bitmap engine lands.
namespace {
[[maybe_unused]] int placeholder = 0;
}

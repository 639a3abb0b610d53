#pragma once

class Database;
class TRoom_OBJ;

// The design picture of a room may be drawn on another thread only when it needs nothing
// from the product library, whose connection belongs to the thread that opened it.
namespace picture_products {

// Reads into the room's product cache every product its design picture draws (panels with
// their orientation, strips, objects), so that drawing it asks the library for nothing.
void lookUp(TRoom_OBJ& room);

// Keeps the room away from the library while it lives: a product missing from the cache is
// then missing from the picture instead of being read on a foreign thread.
class WithoutLibrary {
public:
    explicit WithoutLibrary(TRoom_OBJ& room);
    ~WithoutLibrary();
    WithoutLibrary(const WithoutLibrary&) = delete;
    WithoutLibrary& operator=(const WithoutLibrary&) = delete;

private:
    TRoom_OBJ& room_;
    Database* library_;
};

} // namespace picture_products

#pragma once

// Codes of the field types; they are stored in the card text, so the numbers never change.
namespace FieldType {
enum Code : int {
    Text = 0,
    Password = 1,
    Pin = 2,
    Numeric = 3,
    Date = 4,
    Email = 5,
    Url = 6,
    Phone = 7,
    Separator = 8,
    Note = 9,
    Username = 11,
};
}

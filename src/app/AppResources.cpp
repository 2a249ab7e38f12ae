// Placeholder translation unit so the app library links before its windows exist.

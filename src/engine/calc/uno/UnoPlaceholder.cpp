// Replaced by the adapter.

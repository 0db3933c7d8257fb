// Replaced by the painter of Drawings.

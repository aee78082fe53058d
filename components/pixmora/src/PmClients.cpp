#include <stdexcept>
#include <string>

#include "Pixmora.h"

void PmClients::AddClient() const {
  // The observer may refuse the registration, so it is asked before counting.
  if (observer_) observer_(PmClientEvent::Added);
  ++clients_;
}

void PmClients::RemoveClient() const noexcept {
  --clients_;
  if (observer_) observer_(PmClientEvent::Removed);
}

void PmClients::RequireNoClients(const char* operation) const {
  if (clients_ != 0) {
    throw std::logic_error(std::string(operation) + " a grid while " + std::to_string(clients_) +
                           " iterators walk it");
  }
}

#pragma once

#include "controles/TTolvCustomEdit.h"
#include "nucleo/Observadores.h"

class TNi;

// An edit bound to a tax number: digits are typed (at most 14), the number shows with the mask
// of its kind once left, and its check digits are verified on exit. The number is not owned; the
// edit forgets it when it goes away. Unbound, the edit keeps its own text.
class TTolvEditNi : public TTolvCustomEdit, public IObservador {
  Q_OBJECT
 public:
  static constexpr int kLimiteDigitos = 14;

  explicit TTolvEditNi(QWidget* pai = nullptr);
  ~TTolvEditNi() override;

  void SetNi(TNi* ni);
  TNi* Ni() const { return m_ni; }

  bool EstaAssociado() const override { return m_ni != nullptr; }
  QString GetValorDado(bool formatado) const override;
  void SetValorDado(const QString& texto) override;

  void Alterado(IObservavel* observavel) override;
  void Liberado(IObservavel* observavel) override;

 protected:
  // A number copied with its mask fits: the separators do not go in.
  QString PreparaColagem(const QString& texto) const override;

 private:
  TNi* m_ni = nullptr;
};

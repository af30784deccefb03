#pragma once

#include <vector>

#include "plataforma/sistema/Impressoras.h"

// Stands in for the system's printers while it lives.
class ImpressorasFalsas : public IImpressoras {
 public:
  explicit ImpressorasFalsas(std::vector<InfoImpressora> impressoras = {}, QString padrao = {})
      : m_impressoras(std::move(impressoras)), m_padrao(std::move(padrao)), m_anterior(InstalaImpressoras(this)) {}
  ~ImpressorasFalsas() override {
    InstalaImpressoras(m_anterior);
    DefineImpressoraAtual(QString());
  }
  ImpressorasFalsas(const ImpressorasFalsas&) = delete;
  ImpressorasFalsas& operator=(const ImpressorasFalsas&) = delete;

  std::vector<InfoImpressora> lista() const override { return m_impressoras; }
  QString padrao() const override { return m_padrao; }

  std::vector<InfoImpressora>& impressoras() { return m_impressoras; }

 private:
  std::vector<InfoImpressora> m_impressoras;
  QString m_padrao;
  const IImpressoras* m_anterior;
};

inline InfoImpressora ImpressoraDeTeste(const QString& nome, QPageSize::PageSizeId papel = QPageSize::A4,
                                        EstadoImpressora estado = EstadoImpressora::Ociosa) {
  InfoImpressora i;
  i.nome = nome;
  i.papel = QPageSize(papel);
  i.estado = estado;
  return i;
}

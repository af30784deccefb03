#pragma once

#include <QString>

#include <array>
#include <cstdint>

// One legal nature of the declarant: its code 0 to 9, its description and the declarant
// indicators it admits.
class TNatureza {
 public:
  // In the order the flags are kept.
  enum Indicador : uint8_t {
    ServicoNotarial,
    PlanoSaude,
    FundoClube,
    Depositario,
    Exterior,
    SocioOstensivo,
    Copa,
  };
  static constexpr int kIndicadores = 7;
  using Flags = std::array<uint8_t, kIndicadores>;

  TNatureza() = default;
  TNatureza(uint8_t codigo, const QString& descricao, const Flags& flags)
      : m_codigo(codigo), m_descricao(descricao), m_flags(flags) {}

  uint8_t GetCodigo() const { return m_codigo; }
  void SetCodigo(uint8_t codigo) { m_codigo = codigo; }
  const QString& GetDescricao() const { return m_descricao; }
  void SetDescricao(const QString& descricao) { m_descricao = descricao; }

  bool Admite(Indicador indicador) const { return m_flags[indicador] != 0; }
  const Flags& GetFlags() const { return m_flags; }

 private:
  uint8_t m_codigo = 0;
  QString m_descricao;
  Flags m_flags{};
};

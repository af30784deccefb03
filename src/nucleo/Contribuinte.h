#pragma once

#include "nucleo/NiContribuinte.h"
#include "nucleo/NomeContribuinte.h"

class TErros;

// A tax number with its name; the name follows the number's kind.
class TContribuinte : public TNiContribuinte {
 public:
  explicit TContribuinte(uint8_t tipo = kNiIndefinido, bool somenteCnpj = false, bool exigeMatriz = false);

  TNomeContribuinte& GetNome() { return m_nome; }
  const TNomeContribuinte& GetNome() const { return m_nome; }

  void SetNi(const QString& texto) override;
  void SetNiComErro(const QString& texto) override;
  void SetErros(TErros* erros) override;
  void SetTipo(uint8_t tipo) override;

  int CodigoErroNi() const;
  // The number's code or, when it is valid, the name's.
  virtual int ValidaContribuinte() const;
  // Findings of class EContribuinteInvalido (errors) for the stored number and name.
  void VerificaNi(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const;
  void VerificaNome(TErros& erros, const QString& aQuemPertence, const QString& quemEh, uint8_t objeto) const;
  // The destination takes number and name through the setters that never raise.
  void CopiaPara(TContribuinte& destino) const;
  virtual void LimpaTudo();

  void SetModificado(bool modificado) override;
  bool GetModificado() const override;

  // A distinction of the owning classes; not used here.
  int16_t GetTipoIdentificacao() const { return m_tipoIdentificacao; }
  void SetTipoIdentificacao(int16_t tipo) { m_tipoIdentificacao = tipo; }

 private:
  TNomeContribuinte m_nome;
  int16_t m_tipoIdentificacao = 0;
};

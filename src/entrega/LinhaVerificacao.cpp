#include "entrega/LinhaVerificacao.h"

#include "nucleo/Diretorios.h"
#include "plataforma/bd/ConjuntoMemoria.h"

namespace {

using Coluna = bd::ConjuntoMemoria::Coluna;
using Tipo = bd::ConjuntoMemoria::Tipo;

const QString kDescricao = QStringLiteral("DESCRICAO");
const QString kAQuemPertence = QStringLiteral("A_QUEM_PERTENCE");
const QString kQuemEh = QStringLiteral("QUEM_EH");
const QString kGravidade = QStringLiteral("GRAVIDADE");
const QString kObjeto = QStringLiteral("OBJETO");

std::vector<Coluna> Colunas() {
  return {{kDescricao, Tipo::Texto, LinhaVerificacao::kLarguraDescricao},
          {kAQuemPertence, Tipo::Texto, LinhaVerificacao::kLarguraChave},
          {kQuemEh, Tipo::Texto, LinhaVerificacao::kLarguraChave},
          {kGravidade, Tipo::Inteiro, 0},
          {kObjeto, Tipo::Inteiro, 0}};
}

}  // namespace

namespace ListaVerificacao {

QString Arquivo() { return DiretorioDados() + QStringLiteral("/Verifica.xml"); }

bool Salva(const QString& caminho, const std::vector<LinhaVerificacao>& linhas, QString* erro) {
  bd::ConjuntoMemoria conjunto(Colunas());
  for (const LinhaVerificacao& l : linhas) {
    conjunto.acrescenta();
    const int n = conjunto.quantidade() - 1;
    conjunto.define(n, 0, l.descricao);
    conjunto.define(n, 1, l.aQuemPertence);
    conjunto.define(n, 2, l.quemEh);
    conjunto.define(n, 3, l.gravidade);
    conjunto.define(n, 4, l.objeto);
  }
  return conjunto.salvaXml(caminho, erro);
}

std::optional<std::vector<LinhaVerificacao>> Carrega(const QString& caminho, QString* erro) {
  bd::ConjuntoMemoria conjunto;
  if (!conjunto.carregaXml(caminho, erro)) return std::nullopt;
  const int colunas[] = {conjunto.indiceColuna(kDescricao), conjunto.indiceColuna(kAQuemPertence),
                         conjunto.indiceColuna(kQuemEh), conjunto.indiceColuna(kGravidade),
                         conjunto.indiceColuna(kObjeto)};
  for (int c : colunas) {
    if (c < 0) {
      if (erro) *erro = QStringLiteral("O arquivo não tem as colunas da lista de pendências.");
      return std::nullopt;
    }
  }
  std::vector<LinhaVerificacao> linhas;
  linhas.reserve(size_t(conjunto.quantidade()));
  for (int i = 0; i < conjunto.quantidade(); ++i) {
    LinhaVerificacao l;
    l.descricao = conjunto.valor(i, colunas[0]).comoTexto();
    l.aQuemPertence = conjunto.valor(i, colunas[1]).comoTexto();
    l.quemEh = conjunto.valor(i, colunas[2]).comoTexto();
    l.gravidade = int(conjunto.valor(i, colunas[3]).comoInteiro());
    l.objeto = int(conjunto.valor(i, colunas[4]).comoInteiro());
    linhas.push_back(std::move(l));
  }
  return linhas;
}

}  // namespace ListaVerificacao

#include "entrega/ConfereSecao.h"

#include "entrega/ContextoGravacao.h"
#include "entrega/ErroGravacao.h"
#include "entrega/EstadoGravacao.h"
#include "plataforma/bd/Consulta.h"

void ConfereSecao(ContextoGravacao& contexto, SecaoIndicada secao, const QString& existe) {
  if (SecaoLiberada(secao, contexto.Estado().Indicadores)) return;
  bd::Consulta q(contexto.Transacao(), existe);
  q.abre();
  if (q.eof()) return;
  throw ErroGravacao(
      QStringLiteral("ESecaoSemIndicador"),
      QStringLiteral("A declaração não pode ser gravada: a ficha \"%1\" tem dados gravados, mas o indicador de %2 "
                     "não está marcado na declaração, e a verificação não confere essa ficha. Marque o indicador ou "
                     "exclua os dados da ficha, verifique e grave a declaração novamente.")
          .arg(NomeSecaoIndicada(secao), NomeIndicadorSecao(secao)),
      true);
}
